#include "web/sites.h"

namespace ts {

QStringList Sites::keys() {
    return {"dd373",         "dd373_images", "data_5173", "trading_5173",
            "newgame_17173", "portal_17173", "rankings",  "maker"};
}

Sites Sites::allAt(const QString& base) {
    Sites s;
    for (const QString& k : keys())
        s.setValue(k, base);
    return s;
}

QString Sites::value(const QString& key) const {
    if (key == "dd373")
        return dd373;
    if (key == "dd373_images")
        return dd373_images;
    if (key == "data_5173")
        return data_5173;
    if (key == "trading_5173")
        return trading_5173;
    if (key == "newgame_17173")
        return newgame_17173;
    if (key == "portal_17173")
        return portal_17173;
    if (key == "rankings")
        return rankings;
    if (key == "maker")
        return maker;
    return {};
}

void Sites::setValue(const QString& key, const QString& address) {
    if (key == "dd373")
        dd373 = address;
    else if (key == "dd373_images")
        dd373_images = address;
    else if (key == "data_5173")
        data_5173 = address;
    else if (key == "trading_5173")
        trading_5173 = address;
    else if (key == "newgame_17173")
        newgame_17173 = address;
    else if (key == "portal_17173")
        portal_17173 = address;
    else if (key == "rankings")
        rankings = address;
    else if (key == "maker")
        maker = address;
}

// TODO(web): defaults, load, resolve, IsSiteAddress.
Sites Sites::defaults() {
    return {};
}
std::optional<Sites> Sites::load(const QString&, QString*) {
    return Sites{};
}
std::optional<Sites> Sites::resolve(const QString&, const QString&, QString*) {
    return Sites{};
}

} // namespace ts
