#pragma once
// The catalogue service: its addresses, the reader of its replies and one fetch.

#include "web/sites.h"

#include <QList>
#include <QString>
#include <atomic>

namespace ts {

// One entry of a catalogue level as the service lists it.
struct CatalogueEntry {
    QString name; // GameName: the entry's own name at every level
    QString guid; // GUID: the parent value of the next level's request
    QString id;   // GameIdentify: the value list-page addresses use
    bool operator==(const CatalogueEntry&) const = default;
};

// Level codes of the service (gCase).
enum class CatalogueCase { Games = 1, Regions = 2, Servers = 3, ProductTypes = 4 };

// The pattern that cuts one entry out of a reply. The keys must come in this order.
QString CataloguePattern();

// Every entry of a reply, in reply order. Values are taken as they stand (no JSON unescaping).
// A reply whose entries do not follow the key order yields none.
QList<CatalogueEntry> parseCatalogue(const QString& replyText);

// True when the reply at least looks like the service's JSON (an array or object).
bool LooksLikeCatalogueJson(const QString& replyText);

// "<dd373>/sell/GetGame?gCase=N&pID=GUID". The parent comes from a page, so it is
// percent-encoded; a plain GUID is sent unchanged.
QString CatalogueAddress(const Sites& sites, CatalogueCase level, const QString& parentGuid);

struct CatalogueResult {
    bool ok = false;
    QList<CatalogueEntry> entries;
    QString error; // what failed, for the state text (empty when ok)
};

// Fetches and reads one level. Fails when the request fails, when no DD373 address is
// configured, or when the reply holds no entry and is not JSON at all (an error page).
// An empty JSON list is a successful load with no entries.
CatalogueResult FetchCatalogue(const Sites& sites, CatalogueCase level, const QString& parentGuid,
                               const std::atomic_bool* cancel = nullptr);

} // namespace ts
