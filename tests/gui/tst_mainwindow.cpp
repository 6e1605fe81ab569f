// The main window against a catalogue service on the fixture server: loading the levels,
// choosing entries, the letter filter and keyword search, failures and stale loads.

#include "catalogue/cataloguecontroller.h"
#include "cataloguefixture.h"
#include "gui/mainwindow.h"
#include "gui/panestatusbar.h"
#include "waitfor.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace tstest;

namespace {

const QList<CatEntry> kGames = {
    {"DNF", "g1", "dnf"}, {"QQ飞车", "g2", "qqfc"}, {"王者之城", "g3", "wzzc"},
    {"传奇", "g4", "cq"}, {"暗夜", "g5", "ay"},     {"3D坦克", "g6", "tk3d"},
    {"丂古", "g7", "kg"}, {"qq堂", "g8", "qqt"},
};
const QList<CatEntry> kRegionsG1 = {{"广东区", "r11", "dnfq1"}, {"上海区", "r12", "dnfq2"}};
const QList<CatEntry> kTypesG1 = {{"游戏币", "t11", "yxb1"}, {"装备", "t12", "zb1"}};
const QList<CatEntry> kServersR11 = {{"广东1区", "s111", "f111"}, {"广东2区", "s112", "f112"}};
const QList<CatEntry> kServersR12 = {{"上海1区", "s121", "f121"}};
const QList<CatEntry> kRegionsG2 = {{"电信区", "r21", "qq1"}};
const QList<CatEntry> kTypesG2 = {{"点券", "t21", "dq2"}};
const QList<CatEntry> kServersR21 = {{"极速服", "s211", "f211"}};

const char* const kListNames[4] = {"游戏列表_GameName_显", "商品类型_商品_显", "游戏分区_大区_显",
                                   "游戏伺服_服务器_显"};

QString suffix(int set) {
    return set == ts::OpenOrderSet ? QStringLiteral("_未") : QString();
}

QStringList names(const QList<CatEntry>& entries) {
    QStringList out;
    for (const CatEntry& e : entries)
        out << e.name;
    return out;
}

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void typeText(QWidget* edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
}

} // namespace

class TstMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<CatalogueFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_runDir;

    std::unique_ptr<MainWindow> makeWindow() {
        return std::make_unique<MainWindow>(m_fixture->sites(), m_runDir->path());
    }
    static ts::CatalogueController* cat(MainWindow& w) { return w.catalogue(); }
    static QListWidget* list(MainWindow& w, int set, int level) {
        return w.findChild<QListWidget*>(QString::fromUtf8(kListNames[level]) + suffix(set));
    }
    static QString state(MainWindow& w) {
        return w.findChild<QLabel*>(QStringLiteral("状态"))->text();
    }
    static bool idle(MainWindow& w) { return w.catalogue()->jobsRunning() == 0; }
    static bool waitGames(MainWindow& w) {
        return waitFor([&] {
            return list(w, 0, 0)->count() == kGames.size() &&
                   list(w, 1, 0)->count() == kGames.size();
        });
    }
    static void chooseLetter(MainWindow& w, int set, const QString& item) {
        auto* combo = w.findChild<QComboBox*>(QStringLiteral("字母分类") + suffix(set));
        const int index = combo->findText(item);
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index); // as a user's choice in the drop-down
    }

    // Every level of both sets: the shown list is the data's name list, the current rows
    // agree, and each row's GUID and GameIdentify belong to the entry with that name.
    void checkInStep(MainWindow& w) {
        QMap<QString, QPair<QString, QString>> known;
        for (const auto* group : {&kGames, &kRegionsG1, &kTypesG1, &kServersR11, &kServersR12,
                                  &kRegionsG2, &kTypesG2, &kServersR21})
            for (const CatEntry& e : *group)
                known.insert(e.name, {e.guid, e.id});
        for (int set = 0; set < 2; ++set) {
            for (int level = 0; level < 4; ++level) {
                const ts::CatalogueLevel& data =
                    cat(w)->set(set).level(static_cast<ts::Level>(level));
                QListWidget* shown = list(w, set, level);
                QCOMPARE(items(shown), data.names());
                QCOMPARE(shown->currentRow(), data.current());
                QCOMPARE(data.guids().size(), data.count());
                QCOMPARE(data.ids().size(), data.count());
                for (int row = 0; row < data.count(); ++row) {
                    QVERIFY(known.contains(data.names()[row]));
                    QCOMPARE(data.guids()[row], known[data.names()[row]].first);
                    QCOMPARE(data.ids()[row], known[data.names()[row]].second);
                }
            }
        }
    }

private Q_SLOTS:
    void init() {
        m_fixture = std::make_unique<CatalogueFixture>();
        m_fixture->setEntries(1, "", kGames);
        m_fixture->setEntries(2, "g1", kRegionsG1);
        m_fixture->setEntries(4, "g1", kTypesG1);
        m_fixture->setEntries(3, "r11", kServersR11);
        m_fixture->setEntries(3, "r12", kServersR12);
        m_fixture->setEntries(2, "g2", kRegionsG2);
        m_fixture->setEntries(4, "g2", kTypesG2);
        m_fixture->setEntries(3, "r21", kServersR21);
        QVERIFY(m_fixture->start());
        m_runDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_runDir->isValid());
    }
    void cleanup() {
        m_fixture.reset();
        m_runDir.reset();
    }

    void windowAndControls() {
        auto w = makeWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("Orvenhal Tallyscope v1.000"));
        QCOMPARE(w->size(), QSize(1000, 640));
        auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("选择夹1"));
        QVERIFY(tabs);
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        QCOMPARE(titles, (QStringList{"DD373成交量查询", "DD373成交量统计", "DD373价格监控",
                                      "游戏币装备 排行榜 交易行情", "留言口水", "检查更新说明"}));
        auto* status = w->findChild<PaneStatusBar*>(QStringLiteral("状态条1"));
        QVERIFY(status);
        QVERIFY(w->findChild<QLabel*>(QStringLiteral("状态"))->isHidden());

        const int pageOf[2] = {0, 2};
        for (int set = 0; set < 2; ++set) {
            QWidget* page = tabs->widget(pageOf[set]);
            auto* combo = page->findChild<QComboBox*>(QStringLiteral("字母分类") + suffix(set));
            QVERIFY(combo);
            QCOMPARE(combo->count(), 27);
            QCOMPARE(combo->itemText(0), QStringLiteral("全部游戏ALL"));
            QCOMPARE(combo->itemText(26), QStringLiteral("Z"));
            QVERIFY(page->findChild<QLineEdit*>(QStringLiteral("编辑框_关键字") + suffix(set)));
            auto* button =
                page->findChild<QPushButton*>(QStringLiteral("按钮_关键字") + suffix(set));
            QVERIFY(button);
            QCOMPARE(button->text(), QStringLiteral("搜"));
            for (const char* name : kListNames)
                QVERIFY(page->findChild<QListWidget*>(QString::fromUtf8(name) + suffix(set)));
            QStringList captions;
            for (QLabel* l : page->findChildren<QLabel*>())
                if (l->text().startsWith(QLatin1Char(' ')))
                    captions << l->text();
            QCOMPARE(captions, (QStringList{" 1.字母分类", " 2.游戏列表", " 3.商品类型",
                                            " 4.游戏分区", " 5.游戏伺服"}));
        }
        QCOMPARE(w->focusWidget(), w->findChild<QComboBox*>(QStringLiteral("字母分类")));
        QVERIFY(
            w->findChild<QLabel*>(QStringLiteral("标签38"))->text().contains("10）单独日期查询"));
        QVERIFY(w->findChild<QLabel*>(QStringLiteral("标签39"))->text().startsWith("使用说明："));
        QVERIFY(waitGames(*w));
    }

    void gameListFillsBothSets() {
        auto w = makeWindow();
        QVERIFY(waitGames(*w));
        for (int set = 0; set < 2; ++set) {
            const ts::CatalogueLevel& games = cat(*w)->set(set).games;
            QCOMPARE(items(list(*w, set, 0)), names(kGames));
            QCOMPARE(games.fullNames(), names(kGames));
            for (int i = 0; i < kGames.size(); ++i) {
                QCOMPARE(games.fullGuids()[i], kGames[i].guid);
                QCOMPARE(games.fullIds()[i], kGames[i].id);
            }
        }
        checkInStep(*w);
        QCOMPARE(state(*w), QStringLiteral("游戏名列表 载入完成！"));
        QCOMPARE(w->paneStatusBar()->paneText(1), QStringLiteral("游戏名列表 载入完成！"));
        QCOMPARE(m_fixture->queries(), QStringList{"gCase=1&pID="});
    }

    void choosingAGameLoadsRegionsThenTypes() {
        const auto gate = m_fixture->hold(2, "g1");
        auto w = makeWindow();
        QVERIFY(waitGames(*w));
        list(*w, 0, 0)->setCurrentRow(0);
        QVERIFY(waitFor([&] { return m_fixture->queries().contains("gCase=2&pID=g1"); }));
        QCOMPARE(state(*w), QStringLiteral("分区类型列表 载入中..."));
        QVERIFY(!m_fixture->queries().contains("gCase=4&pID=g1")); // waits for the regions
        gate->open();
        QVERIFY(waitFor([&] { return list(*w, 0, 1)->count() == 2 && idle(*w); }));
        QCOMPARE(m_fixture->queries(),
                 (QStringList{"gCase=1&pID=", "gCase=2&pID=g1", "gCase=4&pID=g1"}));
        QCOMPARE(items(list(*w, 0, 2)), names(kRegionsG1));
        QCOMPARE(items(list(*w, 0, 1)), names(kTypesG1));
        QCOMPARE(state(*w), QStringLiteral("分区类型列表 载入完成！"));
        QCOMPARE(list(*w, 1, 2)->count(), 0); // the other set is untouched
        checkInStep(*w);
    }

    void choosingARegionLoadsItsServers() {
        auto w = makeWindow();
        QVERIFY(waitGames(*w));
        QVERIFY(w->queryBusy().tryStart()); // a query runs: choices leave its flag alone
        list(*w, 0, 0)->setCurrentRow(0);
        QVERIFY(waitFor([&] { return list(*w, 0, 1)->count() == 2 && idle(*w); }));
        list(*w, 0, 2)->setCurrentRow(1);
        QVERIFY(waitFor([&] { return list(*w, 0, 3)->count() == 1 && idle(*w); }));
        QCOMPARE(m_fixture->queries().last(), QStringLiteral("gCase=3&pID=r12"));
        QCOMPARE(items(list(*w, 0, 3)), names(kServersR12));
        QCOMPARE(state(*w), QStringLiteral("服务器列表 载入完成！"));
        list(*w, 0, 3)->setCurrentRow(0);
        list(*w, 0, 1)->setCurrentRow(1);
        checkInStep(*w);

        const ts::CatalogueChoice c = cat(*w)->choice(ts::CompletedTradeSet);
        QCOMPARE(c.gameName + c.typeName + c.regionName + c.serverName,
                 QStringLiteral("DNF装备上海区上海1区"));
        QCOMPARE(QStringList({c.gameId, c.typeId, c.regionId, c.serverId}),
                 (QStringList{"dnf", "zb1", "dnfq2", "f121"}));
        QVERIFY(c.gameChosen && c.serverChosen);
        QCOMPARE(w->queryBusy().value(), 1);

        // Another region empties the servers at once and loads its own.
        list(*w, 0, 2)->setCurrentRow(0);
        QCOMPARE(list(*w, 0, 3)->count(), 0);
        QVERIFY(!cat(*w)->choice(ts::CompletedTradeSet).serverChosen);
        QVERIFY(waitFor([&] { return list(*w, 0, 3)->count() == 2 && idle(*w); }));
        checkInStep(*w);
    }

    void filtersKeepIdentifiersInStep() {
        auto w = makeWindow();
        QVERIFY(waitGames(*w));
        list(*w, 0, 0)->setCurrentRow(0);
        QVERIFY(waitFor([&] { return list(*w, 0, 1)->count() == 2 && idle(*w); }));
        chooseLetter(*w, 0, "Q");
        QCOMPARE(items(list(*w, 0, 0)), (QStringList{"QQ飞车", "qq堂"}));
        QCOMPARE(cat(*w)->set(0).games.current(), -1);
        QCOMPARE(items(list(*w, 0, 2)), names(kRegionsG1)); // lower levels keep their content
        checkInStep(*w);

        list(*w, 0, 0)->setCurrentRow(0); // QQ飞车: g2, not the g1 of row 0 before the filter
        QVERIFY(waitFor([&] { return items(list(*w, 0, 1)) == names(kTypesG2) && idle(*w); }));
        QCOMPARE(m_fixture->queries().last(), QStringLiteral("gCase=4&pID=g2"));
        QCOMPARE(cat(*w)->choice(0).gameId, QStringLiteral("qqfc"));
        checkInStep(*w);

        chooseLetter(*w, 1, "W");
        list(*w, 1, 0)->setCurrentRow(0);
        QVERIFY(
            waitFor([&] { return m_fixture->queries().last() == "gCase=4&pID=g3" && idle(*w); }));
        QCOMPARE(cat(*w)->choice(1).gameId, QStringLiteral("wzzc"));
        QCOMPARE(cat(*w)->choice(0).gameId, QStringLiteral("qqfc"));
        checkInStep(*w);
    }

    void letterAndKeyword_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("letter"); // empty: search the keyword instead
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("D: two letters and 3D") << 0 << "D"
                                               << "" << QStringList{"DNF", "3D坦克"};
        QTest::newRow("N: second letter") << 0 << "N"
                                          << "" << QStringList{"DNF"};
        QTest::newRow("W") << 0 << "W"
                           << "" << QStringList{"王者之城"};
        QTest::newRow("C, not H") << 0 << "C"
                                  << "" << QStringList{"传奇"};
        QTest::newRow("H") << 0 << "H"
                           << "" << QStringList{};
        QTest::newRow("A: vowel reading") << 1 << "A"
                                          << "" << QStringList{"暗夜"};
        QTest::newRow("Q: either case") << 1 << "Q"
                                        << "" << QStringList{"QQ飞车", "qq堂"};
        QTest::newRow("K: GBK extension under no letter") << 0 << "K"
                                                          << "" << QStringList{};
        QTest::newRow("keyword qq") << 0 << ""
                                    << "qq" << QStringList{"qq堂"};
        QTest::newRow("keyword QQ") << 1 << ""
                                    << "QQ" << QStringList{"QQ飞车"};
        QTest::newRow("keyword Chinese") << 1 << ""
                                         << "坦克" << QStringList{"3D坦克"};
        QTest::newRow("empty keyword") << 0 << ""
                                       << "" << names(kGames);
    }
    void letterAndKeyword() {
        QFETCH(int, set);
        QFETCH(QString, letter);
        QFETCH(QString, keyword);
        QFETCH(QStringList, shown);
        auto w = makeWindow();
        QVERIFY(waitGames(*w));
        const int other = 1 - set;
        // The other set's controls hold something else: a set never reads them.
        chooseLetter(*w, other, "B");
        typeText(w->findChild<QLineEdit*>("编辑框_关键字" + suffix(other)), "飞车");
        if (!letter.isEmpty()) {
            chooseLetter(*w, set, letter);
        } else {
            typeText(w->findChild<QLineEdit*>("编辑框_关键字" + suffix(set)), keyword);
            w->findChild<QPushButton*>("按钮_关键字" + suffix(set))->click();
        }
        QCOMPARE(items(list(*w, set, 0)), shown);
        QCOMPARE(items(list(*w, other, 0)), QStringList{});
        checkInStep(*w);
    }

    void allGamesTwiceLeavesOneCopy() {
        auto w = makeWindow();
        QVERIFY(waitGames(*w));
        chooseLetter(*w, 1, "D");
        chooseLetter(*w, 1, "全部游戏ALL");
        QVERIFY(waitFor([&] { return idle(*w); }));
        QCOMPARE(items(list(*w, 1, 0)), names(kGames));
        QCOMPARE(m_fixture->queries().count("gCase=1&pID="), 2);
        chooseLetter(*w, 0, "全部游戏ALL");
        chooseLetter(*w, 0, "全部游戏ALL"); // while the first reload still runs
        QVERIFY(waitFor([&] { return idle(*w); }));
        for (int set = 0; set < 2; ++set) {
            QCOMPARE(items(list(*w, set, 0)), names(kGames));
            QCOMPARE(cat(*w)->set(set).games.fullNames(), names(kGames));
        }
        QCOMPARE(state(*w), QStringLiteral("游戏名列表 载入完成！"));
        checkInStep(*w);
    }

    void failedLoadSaysWhatFailed_data() {
        QTest::addColumn<int>("gCase");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text"); // the state text starts with it
        QTest::newRow("games: error status")
            << 1 << 503 << QByteArray("[]") << QString("游戏名列表 载入失败：");
        QTest::newRow("games: error page")
            << 1 << 200 << QByteArray("<html>系统维护</html>") << QString("游戏名列表 载入失败：");
        QTest::newRow("games: no entry")
            << 1 << 200 << QByteArray("[]") << QString("游戏名列表 载入完成！");
        QTest::newRow("regions: error status")
            << 2 << 500 << QByteArray() << QString("分区类型列表 载入失败：");
        QTest::newRow("product types: error status")
            << 4 << 500 << QByteArray() << QString("商品类型列表 载入失败：");
    }
    void failedLoadSaysWhatFailed() {
        QFETCH(int, gCase);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        FixtureReply reply = CatalogueFixture::jsonReply(body);
        reply.status = status;
        m_fixture->setReply(gCase, gCase == 1 ? "" : "g1", reply);
        auto w = makeWindow();
        QVERIFY(waitFor([&] { return idle(*w); }));
        if (gCase != 1) {
            list(*w, 0, 0)->setCurrentRow(0);
            QVERIFY(waitFor([&] { return m_fixture->queries().size() == 3 && idle(*w); }));
        }
        QVERIFY2(state(*w).startsWith(text), qPrintable(state(*w)));
        QCOMPARE(w->paneStatusBar()->paneText(1), state(*w));
        const int level = gCase == 1 ? 0 : gCase == 2 ? 2 : 1;
        QCOMPARE(list(*w, 0, level)->count(), 0);
        checkInStep(*w);
    }

    void unreachableServiceSaysWhatFailed() {
        QString base;
        {
            FixtureServer gone;
            QVERIFY(gone.start());
            base = gone.baseUrl();
        }
        MainWindow w(ts::Sites::allAt(base), m_runDir->path());
        QVERIFY(waitFor([&] { return idle(w); }));
        QVERIFY2(state(w).startsWith("游戏名列表 载入失败："), qPrintable(state(w)));
        QVERIFY(state(w).size() > QString("游戏名列表 载入失败：").size());
    }

    void staleRegionLoadIsDropped() {
        const auto gate = m_fixture->hold(2, "g1");
        auto w = makeWindow();
        QVERIFY(waitGames(*w));
        list(*w, 0, 0)->setCurrentRow(0); // DNF: its regions are held back
        QVERIFY(waitFor([&] { return m_fixture->queries().contains("gCase=2&pID=g1"); }));
        list(*w, 0, 0)->setCurrentRow(1); // QQ飞车 wins
        QVERIFY(waitFor([&] { return items(list(*w, 0, 1)) == names(kTypesG2); }));
        gate->open();
        QVERIFY(waitFor([&] { return idle(*w); }));
        QCOMPARE(items(list(*w, 0, 2)), names(kRegionsG2));
        QCOMPARE(items(list(*w, 0, 1)), names(kTypesG2));
        QVERIFY(!m_fixture->queries().contains("gCase=4&pID=g1"));
        checkInStep(*w);
    }

    // A filter while the regions load leaves no game chosen; the product types that follow
    // still belong to the game whose regions were loaded.
    void typesFollowTheGameOfTheirRegions_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("letter"); // empty: search a keyword instead
        QTest::newRow("letter filter") << 0 << "Q";
        QTest::newRow("keyword search, open-order set") << 1 << "";
    }
    void typesFollowTheGameOfTheirRegions() {
        QFETCH(int, set);
        QFETCH(QString, letter);
        const auto gate = m_fixture->hold(2, "g1");
        auto w = makeWindow();
        QVERIFY(waitGames(*w));
        list(*w, set, 0)->setCurrentRow(0); // DNF
        QVERIFY(waitFor([&] { return m_fixture->queries().contains("gCase=2&pID=g1"); }));
        if (!letter.isEmpty()) {
            chooseLetter(*w, set, letter);
        } else {
            typeText(w->findChild<QLineEdit*>("编辑框_关键字" + suffix(set)), "坦克");
            w->findChild<QPushButton*>("按钮_关键字" + suffix(set))->click();
        }
        QCOMPARE(cat(*w)->set(set).games.current(), -1);
        gate->open();
        QVERIFY(waitFor([&] { return list(*w, set, 2)->count() == 2 && idle(*w); }));
        QCOMPARE(m_fixture->queries().last(), QStringLiteral("gCase=4&pID=g1"));
        QCOMPARE(items(list(*w, set, 2)), names(kRegionsG1));
        QCOMPARE(items(list(*w, set, 1)), names(kTypesG1));
        checkInStep(*w);
    }

    void staleServerLoadIsDropped() {
        const auto gate = m_fixture->hold(3, "r11");
        auto w = makeWindow();
        QVERIFY(waitGames(*w));
        list(*w, 0, 0)->setCurrentRow(0);
        QVERIFY(waitFor([&] { return list(*w, 0, 1)->count() == 2 && idle(*w); }));
        list(*w, 0, 2)->setCurrentRow(0);
        QVERIFY(waitFor([&] { return m_fixture->queries().contains("gCase=3&pID=r11"); }));
        list(*w, 0, 2)->setCurrentRow(1);
        QVERIFY(waitFor([&] { return list(*w, 0, 3)->count() == 1; }));
        gate->open();
        QVERIFY(waitFor([&] { return idle(*w); }));
        QCOMPARE(items(list(*w, 0, 3)), names(kServersR12));
        QCOMPARE(state(*w), QStringLiteral("服务器列表 载入完成！"));
        checkInStep(*w);
    }

    void enterSearchesTheFocusedSet() {
        auto w = makeWindow();
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QVERIFY(waitGames(*w));
        auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("选择夹1"));
        auto* edit = w->findChild<QLineEdit*>(QStringLiteral("编辑框_关键字_未"));
        auto* own = w->findChild<QPushButton*>(QStringLiteral("按钮_关键字_未"));
        auto* other = w->findChild<QPushButton*>(QStringLiteral("按钮_关键字"));
        tabs->setCurrentIndex(2);
        edit->setFocus();
        QVERIFY(waitFor([&] { return edit->hasFocus(); }));
        QVERIFY(own->isDefault());
        QVERIFY(!other->isDefault());
        typeText(edit, "坦克");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(items(list(*w, 1, 0)), QStringList{"3D坦克"});
        QCOMPARE(items(list(*w, 0, 0)), names(kGames));

        tabs->setCurrentIndex(0);
        auto* edit0 = w->findChild<QLineEdit*>(QStringLiteral("编辑框_关键字"));
        edit0->setFocus();
        QVERIFY(waitFor([&] { return edit0->hasFocus(); }));
        QVERIFY(other->isDefault());
        QVERIFY(!own->isDefault());
    }

    void closingStopsRunningLoads() {
        const auto gate = m_fixture->hold(1, "");
        auto w = makeWindow();
        w->show();
        QVERIFY(waitFor([&] { return m_fixture->queries().size() == 1; }));
        QElapsedTimer timer;
        timer.start();
        w->close();
        w.reset(); // the held job is stopped, not waited out, and writes nowhere
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        gate->open();
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
