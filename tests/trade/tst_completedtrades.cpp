// The completed-trade reader and summary on a hand-written list page.

#include "demo/demodata.h"
#include "demo/demomarket.h"
#include "trade/completedtradequery.h"
#include "trade/completedtrades.h"
#include "trade/listpage.h"

#include <QFile>
#include <QTest>

using namespace ts;

namespace {

Sites testSites() {
    Sites s;
    s.dd373 = QStringLiteral("http://www.example.test");
    s.dd373_images = QStringLiteral("http://img.example.test");
    return s;
}

QString fixturePage() {
    QFile f(QStringLiteral(TS_TRADE_FIXTURES "/completed_trades.html"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

const QString kServer = QStringLiteral("幻想大陆/电信一区/青龙");

} // namespace

class TstCompletedTrades : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listPageAddress() {
        QCOMPARE(ListPageAddress(testSites(), "g1", "0", "s9", "yxb1", "1000", "0"),
                 QStringLiteral("http://www.example.test/list/g1-0-s9-yxb1-0-0-0-1000-0-0-0-0-0-"
                                "0-0-0.html"));
    }

    void pieces_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("hasBlock");
        QTest::addColumn<QStringList>("pieces");
        const QString l = "<div class=\"SLItem\">", r = "DD373寄售交易，快速发货";
        QTest::newRow("rows then rest")
            << "x" + l + "a</tr>b</tr>c" + r << true << QStringList{"a", "b"};
        QTest::newRow("ends with separator") << l + "a</tr>b</tr>" + r << true << QStringList{"a"};
        QTest::newRow("empty block") << l + r << true << QStringList{};
        QTest::newRow("no right marker") << l + "a</tr>b</tr>" << false << QStringList{};
        QTest::newRow("right before left") << r + l + "a</tr>b</tr>" << false << QStringList{};
        QTest::newRow("empty page") << QString() << false << QStringList{};
    }
    void pieces() {
        QFETCH(QString, page);
        QFETCH(bool, hasBlock);
        QFETCH(QStringList, pieces);
        QCOMPARE(HasListBlock(page), hasBlock);
        QCOMPARE(ListRowPieces(page), pieces);
    }

    void currencyRows() {
        const QString page = fixturePage();
        QVERIFY(!page.isEmpty());
        const CompletedTrades t = parseCompletedTrades(page, QStringLiteral("游戏币"), testSites());
        QVERIFY(t.currency);
        const QString site = QStringLiteral("http://www.example.test");
        const QVector<QStringList> expected = {
            // voucher pattern
            {"1", "8130金 = 100元", kServer, "游戏币", "30.00元", "0.0123元/金", "1元=81.30金",
             site + "/detail/1001.html"},
            // pattern without voucher
            {"2", "500金", kServer, "游戏币", "5.50元", "0.0127元/金", "1元=78.74金",
             site + "/detail/1002.html"},
            // marked piece that the pattern does not match: number and bare site address
            {"3", "", "", "", "", "", "", site},
            // prices without "元"
            {"4", "无元", kServer, "游戏币", "100.00", "0.0125", "1元=80金",
             site + "/detail/1004.html"},
        };
        QCOMPARE(t.rows, expected);
        QCOMPARE(t.prices, (QStringList{"30.00", "5.50", "", ""}));
        QCOMPARE(t.unitPrices, (QStringList{"0.0123", "0.0127", "", ""}));
    }

    void goodsRows() {
        const CompletedTrades t =
            parseCompletedTrades(fixturePage(), QStringLiteral("装备"), testSites());
        QVERIFY(!t.currency);
        const QString site = QStringLiteral("http://www.example.test");
        const QVector<QStringList> expected = {
            {"1", "屠龙刀 +12", kServer, "装备", "88.00元", "", "", site + "/detail/2001.html"},
            {"2", "", "", "", "", "", "", site},
            {"3", "天蚕宝甲", kServer, "装备", "12.50", "", "", site + "/detail/2002.html"},
        };
        QCOMPARE(t.rows, expected);
        QCOMPARE(t.prices, (QStringList{"88.00", "", ""}));
        QVERIFY(t.unitPrices.isEmpty());
        const TradeSummary s = summarize(t);
        QCOMPARE(s.count, QStringLiteral("3笔"));
        QCOMPARE(s.total, QStringLiteral("88 元"));
        QVERIFY(s.avgUnitPrice.isEmpty() && s.minUnitPrice.isEmpty() && s.maxUnitPrice.isEmpty());
    }

    void otherImageHostKeepsNothing() {
        Sites other = testSites();
        other.dd373_images = QStringLiteral("http://img2.example.test");
        QVERIFY(parseCompletedTrades(fixturePage(), "游戏币", other).rows.isEmpty());
    }

    // A site that is not set stops the query before any fetch. Without the image host the
    // sample market's page would otherwise give rows of empty cells as a success.
    void queryWithoutSiteAddress_data() {
        QTest::addColumn<bool>("site");
        QTest::addColumn<bool>("imageHost");
        QTest::addColumn<QString>("failure");
        QTest::newRow("no site") << false << true << "查询失败：没有设置 DD373 网站地址";
        QTest::newRow("no image host") << true << false << "查询失败：没有设置 DD373 图片网站地址";
    }
    void queryWithoutSiteAddress() {
        QFETCH(bool, site);
        QFETCH(bool, imageHost);
        QFETCH(QString, failure);
        DemoMarket market;
        QVERIFY(market.start());
        const DemoGame& game = DemoGames().first();
        const DemoRegion& region = game.regions.first();
        CompletedTradeQuery q;
        q.sites = market.sites();
        if (!site)
            q.sites.dd373.clear();
        if (!imageHost)
            q.sites.dd373_images.clear();
        q.address = ListPageAddress(market.sites(), game.entry.id, region.entry.id,
                                    region.servers.first().id, game.types.first().id, "1000", "0");
        q.productTypeName = game.types.first().name;
        const CompletedTradeOutcome out = RunCompletedTradeQuery(q);
        QVERIFY(!out.ok);
        QCOMPARE(out.failure, failure);
        QVERIFY(out.trades.rows.isEmpty());
        QCOMPARE(out.summary.count, QStringLiteral("0笔"));
    }

    // The sample market's list pages read back completely: every completed trade gives a
    // full row, the rows still on sale are left out.
    void sampleMarketPages_data() {
        QTest::addColumn<bool>("currency");
        QTest::newRow("currency") << true;
        QTest::newRow("goods") << false;
    }
    void sampleMarketPages() {
        QFETCH(bool, currency);
        DemoMarket market;
        QVERIFY(market.start());
        const DemoGame& game = DemoGames().first();
        const DemoRegion& region = game.regions.first();
        const DemoEntry& type = currency ? game.types.first() : game.types.last();
        CompletedTradeQuery q;
        q.sites = market.sites();
        q.address = ListPageAddress(q.sites, game.entry.id, region.entry.id,
                                    region.servers.first().id, type.id, "1000", "0");
        q.productTypeName = type.name;
        const CompletedTradeOutcome out = RunCompletedTradeQuery(q);
        QVERIFY(out.ok);
        QCOMPARE(out.trades.currency, currency);
        QVERIFY(out.trades.rows.size() >= 24);
        const QString server =
            game.entry.name + "/" + region.entry.name + "/" + region.servers.first().name;
        for (const QStringList& row : out.trades.rows) {
            QCOMPARE(row[TradeServer], server);
            QCOMPARE(row[TradeType], type.name);
            QVERIFY(row[TradePrice].endsWith("元"));
            QCOMPARE(row[TradeUnit].isEmpty(), !currency);
            QVERIFY(row[TradeAddress].startsWith(market.baseUrl() + "/detail/"));
            QVERIFY(!row[TradeAddress].contains("-s")); // an on-sale row
        }
        QVERIFY(!out.summary.maxPrice.isEmpty());
        QCOMPARE(out.summary.avgUnitPrice.isEmpty(), !currency);
    }

    void summary_data() {
        QTest::addColumn<QStringList>("prices");
        QTest::addColumn<QStringList>("units");
        QTest::addColumn<bool>("currency");
        QTest::addColumn<QStringList>("labels"); // count total min max minU maxU avg
        QTest::newRow("texts as cut")
            << QStringList{"30.00", "5.50", "100.00"} << QStringList{} << false
            << QStringList{"3笔", "135.5 元", "5.50", "100.00", "", "", ""};
        QTest::newRow("average rounds half away")
            << QStringList{"1", "2"} << QStringList{"0.0123", "0.0127"} << true
            << QStringList{"2笔", "3 元", "1", "2", "0.0123", "0.0127", "0.013"};
        QTest::newRow("average of thirds")
            << QStringList{"1", "1", "1"} << QStringList{"0.1", "0.1", "0.2"} << true
            << QStringList{"3笔", "3 元", "1", "1", "0.1", "0.2", "0.133"};
        QTest::newRow("empty prices read 0")
            << QStringList{"", "2.5"} << QStringList{"", ""} << true
            << QStringList{"2笔", "2.5 元", "", "2.5", "", "", "0"};
        QTest::newRow("no rows") << QStringList{} << QStringList{} << true
                                 << QStringList{"0笔", "0 元", "", "", "", "", ""};
    }
    void summary() {
        QFETCH(QStringList, prices);
        QFETCH(QStringList, units);
        QFETCH(bool, currency);
        QFETCH(QStringList, labels);
        const TradeSummary s = summarize(int(prices.size()), prices, units, currency);
        QCOMPARE((QStringList{s.count, s.total, s.minPrice, s.maxPrice, s.minUnitPrice,
                              s.maxUnitPrice, s.avgUnitPrice}),
                 labels);
    }

    void summaryLine() {
        const TradeSummary empty = summarize(0, {}, {}, true);
        QCOMPARE(TradeSummaryLine("游戏", "", "服", "游戏币", empty),
                 QStringLiteral("游戏 >>  >> 服 >> 游戏币   0笔 定单     统计交易额为：    元"));
        const TradeSummary three = summarize(3, {"30.00", "5.50", "100.00"}, {}, false);
        QCOMPARE(TradeSummaryLine("A", "B", "C", "D", three),
                 QStringLiteral("A >> B >> C >> D   3笔 定单     统计交易额为：  135.5  元"));
        QCOMPARE(QueryTargetText("A", "", "C", "D"), QStringLiteral("A>>>>C>>D"));
    }
};

QTEST_GUILESS_MAIN(TstCompletedTrades)
#include "tst_completedtrades.moc"
