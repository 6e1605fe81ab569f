// The catalogue service's replies: entries cut out by the catalogue pattern, addresses, and
// what counts as a failed load.

#include "catalogue/cataloguereader.h"
#include "fixtureserver.h"

#include <QTest>

using namespace ts;

Q_DECLARE_METATYPE(QList<ts::CatalogueEntry>)

namespace {

QString entry(const QString& guid, const QString& name, const QString& id) {
    return QStringLiteral(R"({"GUID":"%1","GameName":"%2","GameShort":"x","NameShort":"y",)"
                          R"("GameIdentify":"%3","ParentID":"0"})")
        .arg(guid, name, id);
}

} // namespace

class TstCatalogueReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QList<CatalogueEntry>>("entries");
        QTest::newRow("empty list") << "[]" << QList<CatalogueEntry>{};
        QTest::newRow("empty text") << "" << QList<CatalogueEntry>{};
        QTest::newRow("three in reply order")
            << "[" + entry("g1", "DNF", "dnf") + "," + entry("g2", "传奇", "cq") + "," +
                   entry("g3", "QQ飞车", "qqfc") + "]"
            << QList<CatalogueEntry>{
                   {"DNF", "g1", "dnf"}, {"传奇", "g2", "cq"}, {"QQ飞车", "g3", "qqfc"}};
        QTest::newRow("empty values")
            << "[" + entry("", "", "") + "]" << QList<CatalogueEntry>{{"", "", ""}};
        QTest::newRow("values not unescaped")
            << "[" + entry("g1", R"(A\u4e2d\/B)", "a") + "]"
            << QList<CatalogueEntry>{{R"(A\u4e2d\/B)", "g1", "a"}};
        QTest::newRow("keys out of order give nothing")
            << R"([{"GameName":"DNF","GUID":"g1","GameShort":"","NameShort":"","GameIdentify":"d","ParentID":"0"}])"
            << QList<CatalogueEntry>{};
        QTest::newRow("blank after a colon gives nothing")
            << R"([{"GUID": "g1","GameName":"DNF","GameShort":"","NameShort":"","GameIdentify":"d","ParentID":"0"}])"
            << QList<CatalogueEntry>{};
        QTest::newRow("an entry broken across lines is skipped")
            << "[" + entry("g1", "a\nb", "x") + "," + entry("g2", "c", "y") + "]"
            << QList<CatalogueEntry>{{"c", "g2", "y"}};
    }
    void parse() {
        QFETCH(QString, reply);
        QFETCH(QList<CatalogueEntry>, entries);
        QCOMPARE(parseCatalogue(reply), entries);
    }

    void address_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("address");
        QTest::newRow("games") << 1 << ""
                               << "http://h:1/sell/GetGame?gCase=1&pID=";
        QTest::newRow("regions") << 2 << "8C2EFDD5-04E6-5B54-A583-96A5686C9AC4"
                                 << "http://h:1/sell/GetGame?gCase=2&pID=8C2EFDD5-04E6-5B54-"
                                    "A583-96A5686C9AC4";
        QTest::newRow("servers") << 3 << "r1"
                                 << "http://h:1/sell/GetGame?gCase=3&pID=r1";
        QTest::newRow("types") << 4 << "g1"
                               << "http://h:1/sell/GetGame?gCase=4&pID=g1";
        QTest::newRow("a parent from a page cannot add to the query")
            << 2 << "x&gCase=1#y"
            << "http://h:1/sell/GetGame?gCase=2&pID=x%26gCase%3D1%23y";
    }
    void address() {
        QFETCH(int, level);
        QFETCH(QString, parent);
        QFETCH(QString, address);
        Sites sites;
        sites.dd373 = "http://h:1";
        QCOMPARE(CatalogueAddress(sites, CatalogueCase(level), parent), address);
    }

    void fetch_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("count");
        QTest::newRow("entries") << 200 << entry("g1", "DNF", "d").toUtf8() << true << 1;
        QTest::newRow("empty JSON list is an empty level")
            << 200 << QByteArray(" [] ") << true << 0;
        QTest::newRow("error status") << 500 << QByteArray("[]") << false << 0;
        QTest::newRow("error page with status 200")
            << 200 << QByteArray("<html><body>维护中</body></html>") << false << 0;
        QTest::newRow("empty body") << 200 << QByteArray() << false << 0;
    }
    void fetch() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, ok);
        QFETCH(int, count);
        tstest::FixtureServer server;
        tstest::FixtureReply reply;
        reply.status = status;
        reply.body = body;
        reply.contentType = "application/json; charset=utf-8";
        server.serve("/sell/GetGame", reply);
        QVERIFY(server.start());
        const CatalogueResult r =
            FetchCatalogue(Sites::allAt(server.baseUrl()), CatalogueCase::Regions, "g1");
        QCOMPARE(r.ok, ok);
        QCOMPARE(r.entries.size(), count);
        QCOMPARE(r.error.isEmpty(), ok);
        QCOMPARE(server.lastRequest().path, QByteArray("/sell/GetGame?gCase=2&pID=g1"));
    }

    void fetchWithoutService() {
        Sites none;
        const CatalogueResult r = FetchCatalogue(none, CatalogueCase::Games, QString());
        QVERIFY(!r.ok);
        QVERIFY(r.error.contains("DD373"));

        QString base;
        {
            tstest::FixtureServer gone; // stopped at the end of the block: nothing listens
            QVERIFY(gone.start());
            base = gone.baseUrl();
        }
        const CatalogueResult refused =
            FetchCatalogue(Sites::allAt(base), CatalogueCase::Games, QString());
        QVERIFY(!refused.ok);
        QVERIFY(!refused.error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstCatalogueReader)
#include "tst_cataloguereader.moc"
