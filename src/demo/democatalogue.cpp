#include "demo/demodata.h"
#include "demo/demomarket.h"

namespace ts {

void InstallDemoCatalogue(httplib::Server& server, const QString&) {
    server.Get("/sell/GetGame", [](const httplib::Request& req, httplib::Response& res) {
        const int gCase = QString::fromStdString(req.get_param_value("gCase")).toInt();
        const QString parent = QString::fromStdString(req.get_param_value("pID"));
        res.set_content(DemoCatalogueReply(gCase, parent).toStdString(),
                        "application/json; charset=utf-8");
    });
}

} // namespace ts
