#pragma once
// Sites: the base address (scheme, host, optional port, no trailing slash) of every site the
// program reads. Read from an INI file, section [sites]; else compiled-in defaults.

#include <QString>
#include <QStringList>
#include <optional>

namespace ts {

struct Sites {
    QString dd373;         // DD373 site: catalogue service, list pages, trade pages
    QString dd373_images;  // DD373 image host: marker images inside list pages
    QString data_5173;     // 5173 game-data host
    QString trading_5173;  // 5173 trading host
    QString newgame_17173; // 17173 new-game host
    QString portal_17173;  // 17173 portal host
    QString rankings;      // the games portal with the weekly rankings
    QString maker;         // the maker's site

    static QStringList keys(); // the eight INI keys, in the order above
    QString value(const QString& key) const;
    void setValue(const QString& key, const QString& address);

    static Sites defaults();
    // Reads an INI file; on any problem returns nothing and sets error to a message naming
    // the file and the line.
    static std::optional<Sites> load(const QString& file, QString* error);
    // Lookup order: explicitFile (from --sites) when not empty; else sites.ini beside the
    // executable (appDir); else the defaults. On error returns nothing and sets error.
    static std::optional<Sites> resolve(const QString& explicitFile, const QString& appDir,
                                        QString* error);
    // Every site pointing at one base address (the sample market).
    static Sites allAt(const QString& base);
};

// True for "http://host[:port]" or "https://host[:port]" with nothing after.
bool IsSiteAddress(const QString& address);

} // namespace ts
