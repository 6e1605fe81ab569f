// games, regions, types, servers: the DD373 catalogue level by level.

#include "catalogue/cataloguefilter.h"
#include "catalogue/cataloguereader.h"
#include "cli/cli.h"

#include <QJsonArray>
#include <QJsonObject>
#include <optional>

namespace ts::cli {

namespace {

const char* levelName(CatalogueCase level) {
    switch (level) {
    case CatalogueCase::Games:
        return "游戏名列表";
    case CatalogueCase::Regions:
        return "分区类型列表";
    case CatalogueCase::Servers:
        return "服务器列表";
    case CatalogueCase::ProductTypes:
        break;
    }
    return "商品类型列表";
}

// Loads one level; on failure prints what failed and returns nothing.
std::optional<QList<CatalogueEntry>> load(Context& ctx, CatalogueCase level, const QString& parent,
                                          int* exitCode) {
    const CatalogueResult r = FetchCatalogue(ctx.sites, level, parent);
    if (!r.ok) {
        *exitCode = failure(ctx, QString::fromUtf8(levelName(level)) +
                                     QStringLiteral(" 载入失败：") + r.error);
        return std::nullopt;
    }
    return r.entries;
}

// The entry with exactly this name (the first one when names repeat). An empty name stands
// for "none chosen": an entry with empty GUID and id.
std::optional<CatalogueEntry> find(Context& ctx, const QList<CatalogueEntry>& entries,
                                   const QString& name, const QString& what, int* exitCode) {
    if (name.isEmpty())
        return CatalogueEntry{};
    for (const CatalogueEntry& e : entries)
        if (e.name == name)
            return e;
    QStringList names;
    for (const CatalogueEntry& e : entries)
        names << e.name;
    *exitCode = failure(ctx, QStringLiteral("unknown %1 \"%2\"; %1s: %3")
                                 .arg(what, name,
                                      names.isEmpty() ? QStringLiteral("(none)")
                                                      : names.join(QStringLiteral(", "))));
    return std::nullopt;
}

int print(Context& ctx, const QList<CatalogueEntry>& entries) {
    if (ctx.json) {
        QJsonArray list;
        for (const CatalogueEntry& e : entries)
            list.append(QJsonObject{{"name", e.name}, {"guid", e.guid}, {"id", e.id}});
        printJson(ctx, QJsonObject{{"entries", list}});
    } else {
        QList<QStringList> rows;
        for (const CatalogueEntry& e : entries)
            rows << QStringList{e.name, e.guid, e.id};
        printTable(ctx,
                   {QStringLiteral("名称"), QStringLiteral("GUID"), QStringLiteral("GameIdentify")},
                   rows);
    }
    return Success;
}

int games(Context& ctx, const QStringList& args) {
    std::optional<QChar> letter;
    std::optional<QString> keyword;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == "--letter" || a == "--keyword") && i + 1 >= args.size())
            return usageError(ctx, a + QStringLiteral(" needs a value"));
        if (a == "--letter") {
            const QString l = args[++i].toUpper();
            if (l.size() != 1 || l[0] < QLatin1Char('A') || l[0] > QLatin1Char('Z'))
                return usageError(ctx, QStringLiteral("--letter takes one letter A-Z"));
            letter = l[0];
        } else if (a == "--keyword") {
            keyword = args[++i];
        } else {
            return usageError(ctx, QStringLiteral("games: unexpected argument ") + a);
        }
    }
    if (letter && keyword)
        return usageError(ctx, QStringLiteral("games: --letter and --keyword exclude each other"));

    int code = Success;
    const auto all = load(ctx, CatalogueCase::Games, QString(), &code);
    if (!all)
        return code;
    if (!letter && !keyword)
        return print(ctx, *all);
    QStringList names;
    for (const CatalogueEntry& e : *all)
        names << e.name;
    const QList<int> rows = letter ? LetterRows(names, *letter) : KeywordRows(names, *keyword);
    QList<CatalogueEntry> shown;
    for (int r : rows)
        shown << all->at(r);
    return print(ctx, shown);
}

// Loads the games and finds GAME (args[0]).
std::optional<CatalogueEntry> game(Context& ctx, const QString& name, int* code) {
    const auto all = load(ctx, CatalogueCase::Games, QString(), code);
    if (!all)
        return std::nullopt;
    return find(ctx, *all, name, QStringLiteral("game"), code);
}

int childrenOfGame(Context& ctx, const QStringList& args, CatalogueCase level, const char* usage) {
    if (args.size() != 1)
        return usageError(ctx, QStringLiteral("usage: ") + QString::fromUtf8(usage));
    int code = Success;
    const auto g = game(ctx, args[0], &code);
    if (!g)
        return code;
    const auto entries = load(ctx, level, g->guid, &code);
    return entries ? print(ctx, *entries) : code;
}

int regions(Context& ctx, const QStringList& args) {
    return childrenOfGame(ctx, args, CatalogueCase::Regions, "regions GAME");
}

int types(Context& ctx, const QStringList& args) {
    return childrenOfGame(ctx, args, CatalogueCase::ProductTypes, "types GAME");
}

int servers(Context& ctx, const QStringList& args) {
    if (args.size() != 2)
        return usageError(ctx, QStringLiteral("usage: servers GAME REGION"));
    int code = Success;
    const auto g = game(ctx, args[0], &code);
    if (!g)
        return code;
    const auto regionList = load(ctx, CatalogueCase::Regions, g->guid, &code);
    if (!regionList)
        return code;
    const auto region = find(ctx, *regionList, args[1], QStringLiteral("region"), &code);
    if (!region)
        return code;
    const auto entries = load(ctx, CatalogueCase::Servers, region->guid, &code);
    return entries ? print(ctx, *entries) : code;
}

const CliCommand regGames("games", "games    [--letter A-Z | --keyword TEXT]", games);
const CliCommand regRegions("regions", "regions  GAME", regions);
const CliCommand regTypes("types", "types    GAME", types);
const CliCommand regServers("servers", "servers  GAME REGION", servers);

} // namespace

} // namespace ts::cli
