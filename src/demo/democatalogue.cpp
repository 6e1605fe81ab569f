#include "demo/demomarket.h"

namespace ts {

void InstallDemoCatalogue(httplib::Server&, const QString&) {}

} // namespace ts
