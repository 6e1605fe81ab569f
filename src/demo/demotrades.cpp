#include "demo/demomarket.h"

namespace ts {

void InstallDemoTradePages(httplib::Server&, const QString&) {}

} // namespace ts
