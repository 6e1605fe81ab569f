// tallyscope-cli trades against the fixture site: the JSON document and the exit codes.

#include "tradefixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tradetest;

class TstCliTrades : public QObject {
    Q_OBJECT

    struct Run {
        int exitCode = -1;
        QByteArray out, err;
    };

    Run runCli(const QString& site, const QStringList& args) {
        QTemporaryDir dir;
        const QString ini = dir.filePath("sites.ini");
        QFile f(ini);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(QStringLiteral("[sites]\ndd373 = %1\ndd373_images = %2\n")
                    .arg(site, kImageHost)
                    .toUtf8());
        f.close();
        QProcess p;
        p.start(QStringLiteral(TS_CLI_PATH), QStringList{"--sites", ini} + args);
        if (!p.waitForFinished(30000))
            return {};
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

private Q_SLOTS:
    void jsonDocument() {
        tstest::FixtureServer server;
        serveCatalogue(server);
        server.serve(kCurrencyListPath, reply(200, fixturePage()));
        QVERIFY(server.start());
        const Run r = runCli(server.baseUrl(),
                             {"--json", "trades", "幻想大陆", "电信一区", "青龙", "游戏币"});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject doc = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(doc["target"].toString(), QStringLiteral("幻想大陆>>电信一区>>青龙>>游戏币"));
        QCOMPARE(doc["columns"].toArray().size(), 8);
        QCOMPARE(doc["rows"].toArray().size(), 4);
        QCOMPARE(doc["rows"].toArray()[0].toArray()[4].toString(), QStringLiteral("30.00元"));
        const QJsonObject s = doc["summary"].toObject();
        QCOMPARE(s["count"].toString(), QStringLiteral("4笔"));
        QCOMPARE(s["total"].toString(), QStringLiteral("35.5 元"));
        QCOMPARE(s["max_price"].toString(), QStringLiteral("30.00"));
        QCOMPARE(s["avg_unit_price"].toString(), QStringLiteral("0.006"));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("listStatus");
        QTest::addColumn<QByteArray>("listBody");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QStringList ok = {"trades", "幻想大陆", "电信一区", "青龙", "游戏币"};
        QTest::newRow("unknown game lists the games")
            << QStringList{"trades", "无此游戏", "电信一区", "青龙", "游戏币"} << 200
            << fixturePage() << false << 1 << "暗夜纪元、幻想大陆";
        QTest::newRow("unknown type") << QStringList{"trades", "幻想大陆", "电信一区", "青龙", "x"}
                                      << 200 << fixturePage() << false << 1 << "游戏币、装备";
        QTest::newRow("no region, so no server")
            << QStringList{"trades", "幻想大陆", "", "青龙", ""} << 200 << fixturePage() << false
            << 1 << "请选择你们要查询的游戏服务器！";
        QTest::newRow("http error") << ok << 500 << fixturePage() << false << 1 << "查询失败：";
        QTest::newRow("no list block") << ok << 200 << QByteArray("<html></html>") << false << 1
                                       << "查询失败：页面中没有成交列表";
        QTest::newRow("refused") << ok << 200 << fixturePage() << true << 1 << "";
        QTest::newRow("usage") << QStringList{"trades", "幻想大陆"} << 200 << fixturePage() << false
                               << 2 << "usage";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(int, listStatus);
        QFETCH(QByteArray, listBody);
        QFETCH(bool, refused);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        tstest::FixtureServer server;
        serveCatalogue(server);
        server.serve(kCurrencyListPath, reply(listStatus, listBody));
        QVERIFY(server.start());
        QString site = server.baseUrl();
        if (refused) {
            site = refusingAddress();
        }
        const Run r = runCli(site, args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
    }
};

QTEST_GUILESS_MAIN(TstCliTrades)
#include "tst_cli_trades.moc"
