#pragma once
// DemoMarket: the built-in sample market. An HTTP server on 127.0.0.1 (free port) that serves
// every site the program reads, with pages of the exact form the readers expect. Every site
// of sites() points at it. Used by --demo, by tests and by benchmarks.

#include "demo/localserver.h"
#include "web/sites.h"

namespace ts {

class DemoMarket {
public:
    DemoMarket();
    bool start();
    void stop() { m_server.stop(); }
    QString baseUrl() const { return m_server.baseUrl(); }
    Sites sites() const { return Sites::allAt(baseUrl()); }

private:
    LocalHttpServer m_server;
};

// Route installers, one per area of the market (each in its own file). `base` is the
// market's own address, which stands for every site (the image host included).
void InstallDemoCatalogue(httplib::Server& server, const QString& base);  // democatalogue.cpp
void InstallDemoTradePages(httplib::Server& server, const QString& base); // demotrades.cpp

// Convention shared by the demo catalogue and the demo list pages: the product type
// "游戏币" of every demo game has a GameIdentify that starts with "yxb".
inline bool IsDemoCurrencyType(const QString& typeId) {
    return typeId.startsWith(QLatin1String("yxb"));
}

} // namespace ts
