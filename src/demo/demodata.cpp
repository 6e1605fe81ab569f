#include "demo/demodata.h"

#include <QUuid>

namespace ts {

namespace {

QString demoGuid(const QString& key) {
    static const QUuid ns =
        QUuid::fromString(QStringLiteral("{6b1d3c52-4c0e-4f7e-9d0a-5a17c3e2b9f4}"));
    return QUuid::createUuidV5(ns, key).toString(QUuid::WithoutBraces).toUpper();
}

DemoEntry entry(const QString& name, const QString& id) {
    return {name, demoGuid(id), id};
}

struct GameSpec {
    const char* name;
    const char* id;
    QList<QPair<const char*, QList<const char*>>> regions;
    const char* goods; // the goods product type besides "游戏币"
};

QList<DemoGame> build() {
    const QList<GameSpec> specs = {
        {"暗夜纪元",
         "anyjy",
         {{"电信一区", {"永夜城", "星落谷", "寒鸦堡"}}, {"网通一区", {"晨曦港", "霜语林"}}},
         "装备"},
        {"传世群英",
         "csqy",
         {{"电信区", {"龙腾", "凤舞", "麒麟"}}, {"网通区", {"青龙", "白虎"}}, {"双线区", {"天元"}}},
         "装备"},
        {"王城霸业", "wcby", {{"一区", {"王者之城", "霸业之巅"}}, {"二区", {"烽火台"}}}, "材料"},
        {"DNF",
         "dnf",
         {{"广东区", {"广东1区", "广东2区", "广东3区"}},
          {"上海区", {"上海1区", "上海2区"}},
          {"华北区", {"华北1区"}}},
         "装备"},
        {"3D坦克大战", "tkdz3d", {{"全区", {"钢铁防线", "沙漠风暴"}}}, "坦克涂装"},
        {"QQ飞车",
         "qqfc",
         {{"电信区", {"极速一服", "极速二服"}}, {"网通区", {"漂移一服"}}},
         "赛车"},
        {"丂古传说", "kgcs", {{"洪荒区", {"盘古", "女娲"}}}, "装备"},
        {"Eternal Saga",
         "etsaga",
         {{"Europe", {"Avalon", "Lyonesse"}}, {"America", {"Roanoke"}}},
         "Gear"},
    };
    QList<DemoGame> games;
    for (const GameSpec& s : specs) {
        const QString gid = QString::fromLatin1(s.id);
        DemoGame g;
        g.entry = entry(QString::fromUtf8(s.name), gid);
        int r = 0;
        for (const auto& [regionName, servers] : s.regions) {
            ++r;
            const QString rid = gid + QStringLiteral("q%1").arg(r);
            DemoRegion region{entry(QString::fromUtf8(regionName), rid), {}};
            int f = 0;
            for (const char* server : servers)
                region.servers << entry(QString::fromUtf8(server),
                                        rid + QStringLiteral("f%1").arg(++f));
            g.regions << region;
        }
        g.types << entry(QStringLiteral("游戏币"), QStringLiteral("yxb") + gid)
                << entry(QString::fromUtf8(s.goods), QStringLiteral("zb") + gid);
        games << g;
    }
    return games;
}

QString jsonText(const QString& value) {
    QString v = value;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + v + QLatin1Char('"');
}

QString jsonEntries(const QList<DemoEntry>& entries, const QString& parentGuid) {
    QStringList items;
    for (const DemoEntry& e : entries) {
        items << QStringLiteral("{\"GUID\":%1,\"GameName\":%2,\"GameShort\":%3,\"NameShort\":%4,"
                                "\"GameIdentify\":%5,\"ParentID\":%6}")
                     .arg(jsonText(e.guid), jsonText(e.name), jsonText(e.id.toUpper()),
                          jsonText(e.id.left(1).toUpper()), jsonText(e.id), jsonText(parentGuid));
    }
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

} // namespace

const QList<DemoGame>& DemoGames() {
    static const QList<DemoGame> games = build();
    return games;
}

QString DemoCatalogueReply(int gCase, const QString& parentGuid) {
    const QList<DemoGame>& games = DemoGames();
    if (gCase == 1) {
        QList<DemoEntry> entries;
        for (const DemoGame& g : games)
            entries << g.entry;
        return jsonEntries(entries, QStringLiteral("0"));
    }
    for (const DemoGame& g : games) {
        if (gCase == 2 && g.entry.guid == parentGuid) {
            QList<DemoEntry> entries;
            for (const DemoRegion& r : g.regions)
                entries << r.entry;
            return jsonEntries(entries, parentGuid);
        }
        if (gCase == 4 && g.entry.guid == parentGuid)
            return jsonEntries(g.types, parentGuid);
        if (gCase == 3) {
            for (const DemoRegion& r : g.regions)
                if (r.entry.guid == parentGuid)
                    return jsonEntries(r.servers, parentGuid);
        }
    }
    return QStringLiteral("[]");
}

} // namespace ts
