#include "demo/demomarket.h"

namespace ts {

DemoMarket::DemoMarket() = default;

bool DemoMarket::start() {
    // Routes are installed before serving starts; they need the market's own address.
    if (!m_server.bind())
        return false;
    const QString base = m_server.baseUrl();
    InstallDemoCatalogue(m_server.server(), base);
    InstallDemoTradePages(m_server.server(), base);
    return m_server.start();
}

} // namespace ts
