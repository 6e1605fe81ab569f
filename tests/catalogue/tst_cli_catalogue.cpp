// tallyscope-cli games/regions/types/servers against the sample market.

#include "demo/demodata.h"
#include "demo/demomarket.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

class TstCliCatalogue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commands_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("names"); // entries of the JSON output
        QTest::addColumn<QString>("error");     // a text stderr holds
        QTest::newRow("all games")
            << QStringList{"games"} << 0
            << QStringList{"暗夜纪元",   "传世群英", "王城霸业", "DNF",
                           "3D坦克大战", "QQ飞车",   "丂古传说", "Eternal Saga"}
            << "";
        QTest::newRow("letter D") << QStringList{"games", "--letter", "d"} << 0
                                  << QStringList{"DNF", "3D坦克大战"} << "";
        QTest::newRow("letter C") << QStringList{"games", "--letter", "C"} << 0
                                  << QStringList{"传世群英"} << "";
        QTest::newRow("keyword is case-sensitive")
            << QStringList{"games", "--keyword", "qq"} << 0 << QStringList{} << "";
        QTest::newRow("keyword") << QStringList{"games", "--keyword", "QQ"} << 0
                                 << QStringList{"QQ飞车"} << "";
        QTest::newRow("regions") << QStringList{"regions", "DNF"} << 0
                                 << QStringList{"广东区", "上海区", "华北区"} << "";
        QTest::newRow("types") << QStringList{"types", "DNF"} << 0 << QStringList{"游戏币", "装备"}
                               << "";
        QTest::newRow("servers") << QStringList{"servers", "DNF", "上海区"} << 0
                                 << QStringList{"上海1区", "上海2区"} << "";
        QTest::newRow("unknown game lists the games")
            << QStringList{"regions", "DNF2"} << 1 << QStringList{} << "QQ飞车";
        QTest::newRow("unknown region lists the regions")
            << QStringList{"servers", "DNF", "北京区"} << 1 << QStringList{} << "华北区";
        QTest::newRow("bad letter")
            << QStringList{"games", "--letter", "AB"} << 2 << QStringList{} << "--letter";
        QTest::newRow("missing argument")
            << QStringList{"servers", "DNF"} << 2 << QStringList{} << "servers GAME REGION";
    }
    void commands() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QStringList, names);
        QFETCH(QString, error);
        QProcess cli;
        cli.start(TS_CLI_PATH, QStringList{"--demo", "--json"} + args);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), exitCode);
        QVERIFY2(err.contains(error), qPrintable(err));
        if (exitCode != 0)
            return;
        const QJsonObject doc = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QStringList got;
        for (const QJsonValue& v : doc.value("entries").toArray()) {
            const QJsonObject e = v.toObject();
            QVERIFY(!e.value("guid").toString().isEmpty());
            QVERIFY(!e.value("id").toString().isEmpty());
            got << e.value("name").toString();
        }
        QCOMPARE(got, names);
    }

    // The sample market's identifiers fit into list-page addresses, and its currency types
    // follow the "yxb" convention of the demo list pages.
    void demoIdentifiers() {
        for (const ts::DemoGame& g : ts::DemoGames()) {
            QVERIFY(!g.entry.id.contains('-'));
            QCOMPARE(g.types.first().name, QStringLiteral("游戏币"));
            QVERIFY(ts::IsDemoCurrencyType(g.types.first().id));
            for (int i = 1; i < g.types.size(); ++i)
                QVERIFY(!ts::IsDemoCurrencyType(g.types[i].id));
            QVERIFY(!g.regions.isEmpty());
            for (const ts::DemoRegion& r : g.regions) {
                QVERIFY(!r.entry.id.contains('-'));
                QVERIFY(!r.servers.isEmpty());
                for (const ts::DemoEntry& s : r.servers)
                    QVERIFY(!s.id.contains('-'));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstCliCatalogue)
#include "tst_cli_catalogue.moc"
