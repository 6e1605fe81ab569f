// The completed-trade panel and the statistics page against the fixture server: the whole
// query, the busy guard, failed fetches, the row menu, column sorting and the statistics table.

#include "fixtureserver.h"
#include "tradefixtures.h"
#include "waitfor.h"

#include "gui/completedtradepanel.h"
#include "gui/statisticspage.h"
#include "trade/completedtradequery.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <memory>

using namespace ts;
using namespace tradetest;

namespace {

const QByteArray kListPath = "/list/g1-0-s1-yxb1-0-0-0-1000-0-0-0-0-0-0-0-0.html";

CatalogueChoice currencyChoice() {
    CatalogueChoice c;
    c.gameName = "幻想大陆";
    c.serverName = "青龙";
    c.typeName = "游戏币";
    c.gameChosen = c.serverChosen = true;
    c.gameId = "g1";
    c.regionId = "0";
    c.serverId = "s1";
    c.typeId = "yxb1";
    return c;
}

struct Prompts {
    QStringList seen; // "title|text"
    bool answer = true;
    gui::PromptFn fn() {
        return [this](QWidget*, const QString& title, const QString& text, gui::PromptButtons) {
            seen << title + "|" + text;
            return answer;
        };
    }
};

// One panel and statistics page over a site address, with recorded prompts and panes.
struct Harness {
    QueryBusy busy;
    CatalogueChoice choice = currencyChoice();
    Prompts prompts;
    QStringList states;
    QMap<int, QString> panes;
    QList<QUrl> opened;
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    CompletedTradePanel* panel;
    StatisticsPage* stats;

    explicit Harness(const QString& site) {
        Sites sites;
        sites.dd373 = site;
        sites.dd373_images = kImageHost;
        panel = new CompletedTradePanel(
            sites, busy, [this] { return choice; }, window.get());
        stats = new StatisticsPage(panel, window.get());
        panel->setPrompt(prompts.fn());
        stats->setPrompt(prompts.fn());
        panel->setUrlOpener([this](const QUrl& u) { opened << u; });
        QObject::connect(panel, &CompletedTradePanel::stateText,
                         [this](const QString& t) { states << t; });
        QObject::connect(panel, &CompletedTradePanel::statusPane,
                         [this](int p, const QString& t) { panes[p] = t; });
    }
    ~Harness() { window.reset(); } // cancels a running query before the server goes

    QString label(const char* name) const {
        return panel->findChild<QLabel*>(QString::fromUtf8(name))->text();
    }
    QPushButton* button(QWidget* w, const char* name) const {
        return w->findChild<QPushButton*>(QString::fromUtf8(name));
    }
    bool runQuery() {
        QSignalSpy done(panel, &CompletedTradePanel::queryFinished);
        button(panel, "成交量")->click();
        return done.wait(10000);
    }
};

} // namespace

class TstTradePanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeQuery() {
        tstest::FixtureServer server;
        server.serve(kListPath, reply(200, fixturePage()));
        QVERIFY(server.start());
        Harness h(server.baseUrl());
        for (const char* name : {"标签_交易笔数", "标签_交易总金额", "标签_最低价", "标签_最高价",
                                 "标签_最低单价", "标签_最高单价", "标签_平均单价"})
            QCOMPARE(h.label(name), QStringLiteral("-"));
        QCOMPARE(h.label("透明标签_排序"), QStringLiteral("降"));

        QVERIFY(h.runQuery());
        QCOMPARE(server.requestCount(kListPath), 1);
        QCOMPARE(h.label("查询目标"), QStringLiteral("幻想大陆>>>>青龙>>游戏币"));
        QCOMPARE(h.states, (QStringList{"正在查询，请等待.....", "查询完毕！"}));

        ReportModel* m = h.panel->trades();
        QCOMPARE(m->rowCount(), 4);
        QCOMPARE(m->rowTexts(1), (QStringList{"2", "500金", "幻想大陆/电信一区/青龙", "游戏币",
                                              "5.50元", "0.0127元/金", "1元=78.74金",
                                              server.baseUrl() + "/detail/1002.html"}));
        QCOMPARE(h.panel->hiddenPrices(), (QStringList{"30.00", "5.50", "", ""}));
        QCOMPARE(h.label("标签_交易笔数"), QStringLiteral("4笔"));
        QCOMPARE(h.label("标签_交易总金额"), QStringLiteral("35.5 元"));
        QCOMPARE(h.label("标签_最低价"), QString());
        QCOMPARE(h.label("标签_最高价"), QStringLiteral("30.00"));
        QCOMPARE(h.label("标签_最高单价"), QStringLiteral("0.0127"));
        QCOMPARE(h.label("标签_平均单价"), QStringLiteral("0.006"));
        QCOMPARE(h.panes.value(0),
                 QStringLiteral("幻想大陆 >>  >> 青龙 >> 游戏币   4笔 定单     统计交易额为：  "
                                "35.5  元"));
        QVERIFY(h.panes.value(2).contains(u'年'));
        QCOMPARE(h.busy.value(), 0);

        // A second run starts from empty lists.
        QVERIFY(h.runQuery());
        QCOMPARE(m->rowCount(), 4);
    }

    void busyRefusesSecondPress_data() {
        QTest::addColumn<bool>("otherQueryHoldsBusy");
        QTest::newRow("own query running") << false;
        QTest::newRow("open-order query running") << true;
    }
    void busyRefusesSecondPress() {
        QFETCH(bool, otherQueryHoldsBusy);
        tstest::FixtureServer server;
        server.serve(kListPath, reply(200, fixturePage(), 200));
        QVERIFY(server.start());
        Harness h(server.baseUrl());
        if (otherQueryHoldsBusy) {
            QVERIFY(h.busy.tryStart());
        } else {
            h.button(h.panel, "成交量")->click();
            QVERIFY(tstest::waitFor([&] { return server.requestCount(kListPath) == 1; }));
        }
        const QStringList statesBefore = h.states;
        h.button(h.panel, "成交量")->click();
        QCOMPARE(h.prompts.seen, QStringList{"警告|正在获取交易量中"});
        QCOMPARE(h.states, statesBefore);
        QCOMPARE(server.requestCount(kListPath), otherQueryHoldsBusy ? 0 : 1);
        QCOMPARE(h.busy.value(), 1);
    }

    void failedFetchSaysWhatFailed_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<qint64>("stallAfter");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("expected"); // part of the state text
        QTest::newRow("refused") << 200 << QByteArray() << qint64(-1) << true << "连接被拒绝";
        QTest::newRow("time-out") << 200 << fixturePage() << qint64(300) << false << "超时";
        QTest::newRow("http error, page holds a list")
            << 500 << fixturePage() << qint64(-1) << false << "HTTP 500";
        QTest::newRow("no list block") << 200 << QByteArray("<html>维护中</html>") << qint64(-1)
                                       << false << NoListBlockFailure();
    }
    void failedFetchSaysWhatFailed() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(qint64, stallAfter);
        QFETCH(bool, refused);
        QFETCH(QString, expected);
        tstest::FixtureServer server;
        server.serve(kListPath, reply(status, body, stallAfter));
        QVERIFY(server.start());
        QString site = server.baseUrl();
        if (refused) {
            site = refusingAddress();
        }
        Harness h(site);
        // A previous successful query's rows are not left behind.
        h.panel->trades()->appendRow({"1", "old"});
        h.panel->setRequestTimeoutMs(400);
        QVERIFY(h.runQuery());
        QCOMPARE(h.states.size(), 2);
        const QString state = h.states.last();
        QVERIFY2(state.startsWith("查询失败："), qPrintable(state));
        QVERIFY2(state.contains(expected), qPrintable(state));
        QCOMPARE(h.panel->trades()->rowCount(), 0);
        QCOMPARE(h.label("标签_交易笔数"), QStringLiteral("0笔"));
        QCOMPARE(h.label("标签_交易总金额"), QStringLiteral("0 元"));
        QCOMPARE(h.label("标签_平均单价"), QString());
        QCOMPARE(h.busy.value(), 0);
    }

    void missingChoiceStopsWithMessage_data() {
        QTest::addColumn<bool>("game");
        QTest::addColumn<QString>("message");
        QTest::newRow("no game") << false << "警告|请选择你们要查询的游戏！";
        QTest::newRow("no server") << true << "警告|请选择你们要查询的游戏服务器！";
    }
    void missingChoiceStopsWithMessage() {
        QFETCH(bool, game);
        QFETCH(QString, message);
        tstest::FixtureServer server;
        QVERIFY(server.start());
        Harness h(server.baseUrl());
        h.panel->trades()->appendRow({"1", "kept"});
        h.choice.gameChosen = game;
        h.choice.serverChosen = false;
        h.button(h.panel, "成交量")->click();
        QCOMPARE(h.prompts.seen, QStringList{message});
        QCOMPARE(h.states, QStringList{"正在查询，请等待....."});
        QCOMPARE(h.panel->trades()->rowCount(), 1);
        QCOMPARE(server.requestCount(), 0);
        QCOMPARE(h.busy.value(), 0);
    }

    void columnTitleSorts() {
        tstest::FixtureServer server;
        server.serve(kListPath, reply(200, fixturePage()));
        QVERIFY(server.start());
        Harness h(server.baseUrl());
        QVERIFY(h.runQuery());
        h.window->resize(1000, 500);
        h.window->show();
        QHeaderView* header = h.panel->tradeView()->header();
        auto click = [&](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, 5));
        };
        auto numbers = [&] {
            QString s;
            for (int r = 0; r < h.panel->trades()->rowCount(); ++r)
                s += h.panel->trades()->text(r, 0);
            return s;
        };
        click(7); // 交易地址: no rule
        QCOMPARE(h.label("透明标签_排序"), QStringLiteral("升"));
        QCOMPARE(numbers(), QStringLiteral("1234"));
        click(4); // 价格, descending: 100.00, 30.00元, 5.50元, then the empty price
        QCOMPARE(h.label("透明标签_排序"), QStringLiteral("降"));
        QCOMPARE(numbers(), QStringLiteral("4123"));
    }

    void rowMenuOpensOnlyWebAddresses_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("opens");
        QTest::newRow("http") << "http://www.example.test/detail/1.html" << true;
        QTest::newRow("https") << "HTTPS://www.example.test/detail/1.html" << true;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("script") << "javascript:alert(1)" << false;
        QTest::newRow("empty") << "" << false;
    }
    void rowMenuOpensOnlyWebAddresses() {
        QFETCH(QString, address);
        QFETCH(bool, opens);
        Harness h("http://127.0.0.1:1");
        h.panel->trades()->appendRow({"1", "", "", "", "", "", "", address});
        auto* menu = h.panel->findChild<QMenu*>("功能");
        QVERIFY(menu);
        QAction* open = menu->findChild<QAction*>("查看当前订单");
        QVERIFY(open);
        open->trigger(); // no current row: nothing
        QVERIFY(h.opened.isEmpty());
        h.panel->tradeView()->setCurrentIndex(h.panel->trades()->index(0, 0));
        open->trigger();
        QCOMPARE(h.opened.size(), opens ? 1 : 0);
        QVERIFY(!menu->findChild<QAction*>("成交信息导出Excel")->isEnabled());
    }

    void statisticsTable() {
        tstest::FixtureServer server;
        server.serve(kListPath, reply(200, fixturePage()));
        QVERIFY(server.start());
        Harness h(server.baseUrl());
        ReportModel* stats = h.stats->statistics();
        QPushButton* add = h.button(h.panel, "加入统计");
        QPushButton* del = h.button(h.stats, "按钮_删除单条");
        QPushButton* clear = h.button(h.stats, "按钮_清空统计");

        add->click(); // before any query: the labels' "-"
        QCOMPARE(h.prompts.seen.last(),
                 QStringLiteral("Marketloom 提醒您！|你确定要将当前信息添加到成交量统计吗？"));
        QCOMPARE(stats->rowTexts(0).mid(0, 10),
                 (QStringList{"1", "", "", "-", "-", "-", "-", "-", "", ""}));
        QVERIFY(stats->text(0, 10).contains(u'年'));

        QVERIFY(h.runQuery());
        add->click();
        QCOMPARE(stats->rowCount(), 2);
        QCOMPARE(stats->rowTexts(0).mid(0, 10),
                 (QStringList{"2", "幻想大陆/电信一区/青龙", "游戏币", "", "30.00", "", "0.0127",
                              "0.006", "4", "35.5 "}));
        QCOMPARE(stats->text(1, 0), QStringLiteral("1"));

        // No changes nothing.
        h.prompts.answer = false;
        add->click();
        clear->click();
        h.stats->statisticsView()->setCurrentIndex(stats->index(0, 0));
        del->click();
        QCOMPARE(stats->rowCount(), 2);
        h.prompts.answer = true;

        // Delete without a selection deletes nothing.
        h.stats->statisticsView()->selectionModel()->clear();
        del->click();
        QCOMPARE(h.prompts.seen.last(),
                 QStringLiteral("Marketloom 提醒您！|你确定 删除当前选项数据吗？"));
        QCOMPARE(stats->rowCount(), 2);

        // Rows 3, 2, 1; deleting 2 makes the next addition 3 again.
        add->click();
        QCOMPARE(stats->text(0, 0), QStringLiteral("3"));
        h.stats->statisticsView()->selectionModel()->select(
            stats->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        del->click();
        QCOMPARE(stats->rowCount(), 2);
        add->click();
        QCOMPARE(stats->text(0, 0) + stats->text(1, 0) + stats->text(2, 0), QStringLiteral("331"));

        // Title click: ascending by number.
        h.window->resize(1200, 400);
        h.window->show();
        QHeaderView* header = h.stats->statisticsView()->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, 5));
        QCOMPARE(stats->text(0, 0) + stats->text(1, 0) + stats->text(2, 0), QStringLiteral("133"));

        clear->click();
        QCOMPARE(h.prompts.seen.last(),
                 QStringLiteral("Marketloom 提醒您！|你确定 清空当前统计数据吗？"));
        QCOMPARE(stats->rowCount(), 0);
    }

    // A deletion leaves no row selected, so pressing again deletes nothing more.
    void deleteLeavesNoSelection() {
        Harness h("http://127.0.0.1:1");
        ReportModel* stats = h.stats->statistics();
        for (const char* n : {"3", "2", "1"})
            stats->appendRow({QString::fromLatin1(n)});
        QTreeView* view = h.stats->statisticsView();
        view->selectionModel()->setCurrentIndex(
            stats->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QPushButton* del = h.button(h.stats, "按钮_删除单条");
        del->click();
        QCOMPARE(stats->text(0, 0) + stats->text(1, 0), QStringLiteral("31"));
        del->click();
        QCOMPARE(stats->rowCount(), 2);
    }

    // Closing the window mid-query cancels the job; nothing arrives afterwards.
    void closingCancelsRunningQuery() {
        tstest::FixtureServer server;
        server.serve(kListPath, reply(200, fixturePage(), 200));
        QVERIFY(server.start());
        auto h = std::make_unique<Harness>(server.baseUrl());
        h->button(h->panel, "成交量")->click();
        QVERIFY(tstest::waitFor([&] { return server.requestCount(kListPath) == 1; }));
        QElapsedTimer t;
        t.start();
        h.reset();
        QVERIFY(t.elapsed() < 5000);
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TstTradePanel)
#include "tst_tradepanel.moc"
