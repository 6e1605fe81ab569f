// The completed-trade query on the real main window: catalogue choices, rows, labels, the
// hidden state label and the three status panes.

#include "tradefixtures.h"
#include "waitfor.h"

#include "catalogue/cataloguecontroller.h"
#include "gui/completedtradepanel.h"
#include "gui/mainwindow.h"
#include "gui/panestatusbar.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ts;
using namespace tradetest;

namespace {

bool choose(CatalogueController* c, Level level, const QString& name) {
    const int row = int(c->set(CompletedTradeSet).level(level).names().indexOf(name));
    if (row < 0)
        return false;
    switch (level) {
    case Level::Game:
        c->chooseGame(CompletedTradeSet, row);
        break;
    case Level::Region:
        c->chooseRegion(CompletedTradeSet, row);
        break;
    case Level::Server:
        c->chooseServer(CompletedTradeSet, row);
        break;
    case Level::ProductType:
        c->chooseProductType(CompletedTradeSet, row);
        break;
    }
    return true;
}

bool hasEntries(CatalogueController* c, Level level) {
    return c->set(CompletedTradeSet).level(level).count() > 0;
}

} // namespace

class TstTradeWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void queryOnMainWindow_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("pane0");
        QTest::newRow("completed trades")
            << 200 << 4 << "查询完毕！"
            << "幻想大陆 >> 电信一区 >> 青龙 >> 游戏币   4笔 定单     统计交易额为：  35.5  元";
        QTest::newRow("http error") << 503 << 0 << "查询失败：127.0.0.1 返回 HTTP 503"
                                    << "幻想大陆 >> 电信一区 >> 青龙 >> 游戏币   0笔 定单     "
                                       "统计交易额为：    元";
    }
    void queryOnMainWindow() {
        QFETCH(int, status);
        QFETCH(int, rows);
        QFETCH(QString, state);
        QFETCH(QString, pane0);
        tstest::FixtureServer server;
        serveCatalogue(server);
        server.serve(kCurrencyListPath, reply(status, fixturePage()));
        QVERIFY(server.start());
        QTemporaryDir runDir;
        Sites sites = Sites::allAt(server.baseUrl());
        sites.dd373_images = kImageHost;

        MainWindow w(sites, runDir.path());
        CatalogueController* c = w.catalogue();
        QVERIFY(tstest::waitFor([&] { return hasEntries(c, Level::Game); }));
        QVERIFY(choose(c, Level::Game, "幻想大陆"));
        QVERIFY(tstest::waitFor(
            [&] { return hasEntries(c, Level::Region) && hasEntries(c, Level::ProductType); }));
        QVERIFY(choose(c, Level::Region, "电信一区"));
        QVERIFY(tstest::waitFor([&] { return hasEntries(c, Level::Server); }));
        QVERIFY(choose(c, Level::Server, "青龙"));
        QVERIFY(choose(c, Level::ProductType, "游戏币"));

        CompletedTradePanel* panel = w.completedTradePanel();
        QStringList prompts;
        panel->setPrompt([&](QWidget*, const QString&, const QString& text, gui::PromptButtons) {
            prompts << text;
            return true;
        });
        QSignalSpy done(panel, &CompletedTradePanel::queryFinished);
        w.findChild<QPushButton*>("成交量")->click();
        QVERIFY(done.wait(10000));
        QVERIFY(prompts.isEmpty());

        QCOMPARE(panel->trades()->rowCount(), rows);
        QCOMPARE(w.findChild<QLabel*>("查询目标")->text(),
                 QStringLiteral("幻想大陆>>电信一区>>青龙>>游戏币"));
        QCOMPARE(w.findChild<QLabel*>("标签_交易笔数")->text(), QStringLiteral("%1笔").arg(rows));
        QCOMPARE(w.findChild<QLabel*>("状态")->text(), state);
        PaneStatusBar* bar = w.paneStatusBar();
        QCOMPARE(bar->paneText(0), pane0);
        QCOMPARE(bar->paneText(1), state);
        QVERIFY(bar->paneText(2).contains(u'日'));
        QCOMPARE(w.queryBusy().value(), 0);
    }
};

QTEST_MAIN(TstTradeWindow)
#include "tst_tradewindow.moc"
