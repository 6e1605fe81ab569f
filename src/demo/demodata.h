#pragma once
// The sample market's catalogue: games with their regions, servers and product types.
// Every product type "游戏币" has a GameIdentify starting with "yxb" (IsDemoCurrencyType);
// no GameIdentify holds "-", since list-page addresses join them with "-".

#include <QList>
#include <QString>

namespace ts {

struct DemoEntry {
    QString name;
    QString guid;
    QString id; // GameIdentify
};

struct DemoRegion {
    DemoEntry entry;
    QList<DemoEntry> servers;
};

struct DemoGame {
    DemoEntry entry;
    QList<DemoRegion> regions;
    QList<DemoEntry> types; // "游戏币" first, then goods
};

const QList<DemoGame>& DemoGames();

// The catalogue service's reply for gCase and pID: a JSON list (UTF-8 when encoded), keys in
// the order GUID, GameName, GameShort, NameShort, GameIdentify, ParentID. An unknown level
// or parent gives "[]".
QString DemoCatalogueReply(int gCase, const QString& parentGuid);

} // namespace ts
