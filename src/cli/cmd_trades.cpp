// tallyscope-cli trades GAME REGION SERVER TYPE: the completed trades of one catalogue entry
// and their summary, as the first tab shows them.

#include "catalogue/cataloguereader.h"
#include "cli/cli.h"
#include "trade/completedtradequery.h"
#include "trade/listpage.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace ts;
using namespace ts::cli;

namespace {

struct Lookup {
    bool ok = false;
    CatalogueEntry entry;
    QString error;
};

// Chooses the entry named exactly `name` among the entries of one catalogue level.
Lookup FindEntry(const Sites& sites, CatalogueCase level, const QString& parent,
                 const QString& name, const QString& what) {
    Lookup out;
    const CatalogueResult result = FetchCatalogue(sites, level, parent);
    if (!result.ok) {
        out.error = QStringLiteral("%1列表载入失败：%2").arg(what, result.error);
        return out;
    }
    QStringList names;
    for (const CatalogueEntry& e : result.entries) {
        if (e.name == name) {
            out.ok = true;
            out.entry = e;
            return out;
        }
        names << e.name;
    }
    out.error =
        QStringLiteral("没有名为“%1”的%2。现有的%2：%3")
            .arg(name, what,
                 names.isEmpty() ? QStringLiteral("（无）") : names.join(QStringLiteral("、")));
    return out;
}

int RunTrades(Context& ctx, const QStringList& rawArgs) {
    QStringList args;
    for (const QString& a : rawArgs) {
        if (a == QLatin1String("--json"))
            ctx.json = true;
        else
            args << a;
    }
    if (args.size() != 4)
        return usageError(ctx, QStringLiteral("usage: trades GAME REGION SERVER TYPE [--json]"));
    const QString gameName = args[0], regionName = args[1], serverName = args[2],
                  typeName = args[3];

    const Lookup game =
        FindEntry(ctx.sites, CatalogueCase::Games, QString(), gameName, QStringLiteral("游戏"));
    if (!game.ok)
        return failure(ctx, game.error);

    QString regionId = QStringLiteral("0");
    QString regionGuid;
    if (!regionName.isEmpty()) {
        const Lookup region = FindEntry(ctx.sites, CatalogueCase::Regions, game.entry.guid,
                                        regionName, QStringLiteral("游戏分区"));
        if (!region.ok)
            return failure(ctx, region.error);
        regionId = region.entry.id;
        regionGuid = region.entry.guid;
    }

    // Servers belong to a region: without a region (or a server name) none can be chosen.
    if (regionName.isEmpty() || serverName.isEmpty())
        return failure(ctx, QStringLiteral("请选择你们要查询的游戏服务器！"));
    const Lookup server = FindEntry(ctx.sites, CatalogueCase::Servers, regionGuid, serverName,
                                    QStringLiteral("服务器"));
    if (!server.ok)
        return failure(ctx, server.error);

    QString typeId = QStringLiteral("0");
    if (!typeName.isEmpty()) {
        const Lookup type = FindEntry(ctx.sites, CatalogueCase::ProductTypes, game.entry.guid,
                                      typeName, QStringLiteral("商品类型"));
        if (!type.ok)
            return failure(ctx, type.error);
        typeId = type.entry.id;
    }

    CompletedTradeQuery query;
    query.sites = ctx.sites;
    query.address = ListPageAddress(ctx.sites, game.entry.id, regionId, server.entry.id, typeId,
                                    QStringLiteral("1000"), QStringLiteral("0"));
    query.productTypeName = typeName;
    const CompletedTradeOutcome outcome = RunCompletedTradeQuery(query);
    if (!outcome.ok)
        return failure(ctx, outcome.failure);

    const QString target = QueryTargetText(gameName, regionName, serverName, typeName);
    const TradeSummary& s = outcome.summary;
    const QStringList titles = CompletedTradeTitles();
    if (ctx.json) {
        QJsonArray rows;
        for (const QStringList& row : outcome.trades.rows)
            rows.append(QJsonArray::fromStringList(row));
        QJsonObject summary{{"count", s.count},
                            {"total", s.total},
                            {"min_price", s.minPrice},
                            {"max_price", s.maxPrice},
                            {"min_unit_price", s.minUnitPrice},
                            {"max_unit_price", s.maxUnitPrice},
                            {"avg_unit_price", s.avgUnitPrice}};
        printJson(ctx, QJsonObject{{"target", target},
                                   {"columns", QJsonArray::fromStringList(titles)},
                                   {"rows", rows},
                                   {"summary", summary}});
        return Success;
    }
    ctx.out << "查询目标：" << target << "\n\n";
    printTable(ctx, titles,
               QList<QStringList>(outcome.trades.rows.begin(), outcome.trades.rows.end()));
    ctx.out << "\n"
            << "交易量：" << s.count << "\n"
            << "总成交：" << s.total << "\n"
            << "最低金额：" << s.minPrice << "\n"
            << "最高金额：" << s.maxPrice << "\n"
            << "最低单价：" << s.minUnitPrice << "\n"
            << "最高单价：" << s.maxUnitPrice << "\n"
            << "平均单价：" << s.avgUnitPrice << "\n";
    ctx.out.flush();
    return Success;
}

const CliCommand reg("trades", "trades GAME REGION SERVER TYPE [--json]", RunTrades);

} // namespace
