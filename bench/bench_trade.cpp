// Completed trades: reading a 1,000-row page, filling the view, sorting, and the whole path
// from the fixture server to a filled table and labels.

#include "fixtureserver.h"
#include "waitfor.h"

#include "demo/demotradepages.h"
#include "gui/completedtradepanel.h"
#include "tables/sortreportlist.h"
#include "trade/completedtrades.h"
#include "trade/listpage.h"

#include <QApplication>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTreeView>
#include <benchmark/benchmark.h>

using namespace ts;

namespace {

Sites benchSites(const QString& base = QStringLiteral("http://127.0.0.1:1")) {
    return Sites::allAt(base);
}

QString thousandRowPage(const Sites& sites) {
    return DemoTradePage(sites, QStringLiteral("bench-r1-s1-yxb1"), true, 1000);
}

void BM_ParseAndSummarize1000(benchmark::State& state) {
    const Sites sites = benchSites();
    const QString page = thousandRowPage(sites);
    for (auto _ : state) {
        const CompletedTrades t = parseCompletedTrades(page, QStringLiteral("游戏币"), sites);
        const TradeSummary s = summarize(t);
        benchmark::DoNotOptimize(s.avgUnitPrice);
        if (t.rows.size() != 1000)
            state.SkipWithError("wrong row count");
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ParseAndSummarize1000)->Unit(benchmark::kMillisecond);

void BM_InsertRowsIntoView1000(benchmark::State& state) {
    const Sites sites = benchSites();
    const CompletedTrades t =
        parseCompletedTrades(thousandRowPage(sites), QStringLiteral("游戏币"), sites);
    QVector<ReportColumn> columns;
    for (const QString& title : CompletedTradeTitles())
        columns.append({title, 80});
    for (auto _ : state) {
        ReportModel model(columns);
        QTreeView view;
        view.setUniformRowHeights(true);
        view.setRootIsDecorated(false);
        view.setModel(&model);
        view.resize(1000, 600);
        view.show();
        QCoreApplication::processEvents();
        // Rows arrive as queued events faster than the screen refreshes: each is inserted on
        // its own, the view lays out and paints once for the lot.
        for (const QStringList& row : t.rows)
            model.appendRow(row);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_InsertRowsIntoView1000)->Unit(benchmark::kMillisecond);

// Rows of the completed-trade list with many equal prices and text titles.
QVector<QStringList> sortRows(int n) {
    QRandomGenerator rng(7);
    static const QStringList words = {"屠龙宝刀", "天蚕宝甲", "Legend", "赤兔",
                                      "强化石",   "account",  "代练",   "九尾灵狐"};
    QVector<QStringList> rows;
    rows.reserve(n);
    for (int i = 0; i < n; ++i) {
        const QString price =
            QStringLiteral("%1.%2元").arg(rng.bounded(1, 2000)).arg(rng.bounded(10, 100));
        const QString title =
            words[rng.bounded(int(words.size()))] + QString::number(rng.bounded(500));
        rows.append({QString::number(i + 1), title, "幻想大陆/电信一区/青龙", "游戏币", price,
                     "0.0123元/金", "1元=81.30金", "http://www.example.test/detail/1.html"});
    }
    return rows;
}

void BM_SortReportList(benchmark::State& state) {
    const int n = int(state.range(0));
    const int column = int(state.range(1));
    const int rule = column == 4 ? SortNumber : SortText;
    QVector<ReportColumn> columns;
    for (const QString& title : CompletedTradeTitles())
        columns.append({title, 80});
    ReportModel model(columns);
    const QVector<QStringList> rows = sortRows(n);
    for (const QStringList& r : rows)
        model.appendRow(r);
    for (auto _ : state) {
        state.PauseTiming();
        model.replaceAllTexts(rows);
        state.ResumeTiming();
        SortReportList(model, column, rule, true, true);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_SortReportList)
    ->ArgsProduct({{1000, 100000}, {4, 1}})
    ->ArgNames({"rows", "column"})
    ->Unit(benchmark::kMillisecond);

void BM_PageToTable1000(benchmark::State& state) {
    tstest::FixtureServer server;
    if (!server.start()) {
        state.SkipWithError("fixture server");
        return;
    }
    const Sites sites = benchSites(server.baseUrl());
    const QByteArray path = "/list/g1-0-s1-yxb1-0-0-0-1000-0-0-0-0-0-0-0-0.html";
    tstest::FixtureReply reply;
    reply.body = thousandRowPage(sites).toUtf8();
    server.serve(path, reply);

    QueryBusy busy;
    CatalogueChoice choice;
    choice.gameName = "幻想大陆";
    choice.serverName = "青龙";
    choice.typeName = "游戏币";
    choice.gameChosen = choice.serverChosen = true;
    choice.gameId = "g1";
    choice.regionId = "0";
    choice.serverId = "s1";
    choice.typeId = "yxb1";
    CompletedTradePanel panel(sites, busy, [&] { return choice; });
    panel.resize(1000, 600);
    panel.show();
    QPushButton* button = panel.findChild<QPushButton*>(QStringLiteral("成交量"));
    for (auto _ : state) {
        QSignalSpy done(&panel, &CompletedTradePanel::queryFinished);
        button->click();
        if (!done.wait(10000) || panel.trades()->rowCount() != 1000) {
            state.SkipWithError("query did not finish with 1000 rows");
            break;
        }
    }
}
BENCHMARK(BM_PageToTable1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
