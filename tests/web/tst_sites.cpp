#include "web/sites.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ts;

class TstSites : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        f.write(content);
        return path;
    }

private Q_SLOTS:
    void goodFile() {
        const QString file = writeFile("good.ini", "; local market\n"
                                                   "[other]\n"
                                                   "anything = goes\n"
                                                   "[sites]\r\n"
                                                   "dd373 = http://127.0.0.1:8080\r\n"
                                                   "maker=https://Example.COM\n"
                                                   "rankings =\n");
        QString error;
        const auto sites = Sites::load(file, &error);
        QVERIFY2(sites, qPrintable(error));
        QCOMPARE(sites->dd373, QString("http://127.0.0.1:8080"));
        QCOMPARE(sites->maker, QString("https://Example.COM"));
        QCOMPARE(sites->rankings, QString()); // an empty value disables the site
        QCOMPARE(sites->trading_5173, Sites::defaults().trading_5173); // not set: default
    }

    void badFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("where"); // ":LINE:" or "" for the whole file
        QTest::addColumn<QString>("what");
        QTest::newRow("unknown key")
            << QByteArray("[sites]\ndd373 = http://a\nfoo = http://b\n") << ":3:"
            << "unknown key \"foo\"";
        QTest::newRow("path after host") << QByteArray("[sites]\nmaker = http://a.com/x\n") << ":2:"
                                         << "not an address";
        QTest::newRow("trailing slash") << QByteArray("[sites]\n\nmaker = http://a.com/\n") << ":3:"
                                        << "not an address";
        QTest::newRow("other scheme") << QByteArray("[sites]\nmaker = ftp://a.com\n") << ":2:"
                                      << "not an address";
        QTest::newRow("port out of range")
            << QByteArray("[sites]\nmaker = http://a.com:70000\n") << ":2:"
            << "not an address";
        QTest::newRow("line without equals") << QByteArray("[sites]\ndd373 http://a\n") << ":2:"
                                             << "expected key = address";
        QTest::newRow("entry before any section")
            << QByteArray("dd373 = http://a\n[sites]\n") << ":1:"
            << "outside the [sites]";
        QTest::newRow("broken section header") << QByteArray("[sites\n") << ":1:"
                                               << "malformed section header";
        QTest::newRow("key twice")
            << QByteArray("[sites]\ndd373=http://a\ndd373=http://b\n") << ":3:"
            << "given twice (first on line 2)";
        QTest::newRow("no sites section") << QByteArray("[other]\nx=1\n") << ""
                                          << "no [sites] section";
    }
    void badFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QString, where);
        QFETCH(QString, what);
        const QString file = writeFile("bad.ini", content);
        QString error;
        QVERIFY(!Sites::load(file, &error));
        QVERIFY2(error.startsWith(file + where), qPrintable(error));
        QVERIFY2(error.contains(what), qPrintable(error));
    }

    void missingFile() {
        const QString file = m_dir.filePath("absent.ini");
        QString error;
        QVERIFY(!Sites::load(file, &error));
        QVERIFY2(error.startsWith(file + ": cannot read"), qPrintable(error));
    }

    void resolveOrder() {
        QTemporaryDir appDir;
        QString error;
        // Nothing beside the program: the compiled-in defaults.
        auto sites = Sites::resolve({}, appDir.path(), &error);
        QVERIFY(sites);
        QCOMPARE(sites->dd373, Sites::defaults().dd373);
        // sites.ini beside the program.
        QFile beside(appDir.filePath("sites.ini"));
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.write("[sites]\ndd373 = http://beside:1\n");
        beside.close();
        sites = Sites::resolve({}, appDir.path(), &error);
        QVERIFY(sites);
        QCOMPARE(sites->dd373, QString("http://beside:1"));
        // An explicit file wins, and its errors are reported.
        const QString explicitFile = writeFile("explicit.ini", "[sites]\ndd373 = http://x:2\n");
        sites = Sites::resolve(explicitFile, appDir.path(), &error);
        QVERIFY(sites);
        QCOMPARE(sites->dd373, QString("http://x:2"));
        QVERIFY(!Sites::resolve(m_dir.filePath("absent.ini"), appDir.path(), &error));
    }

    void siteAddresses_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("valid");
        QTest::newRow("host") << "http://www.dd373.com" << true;
        QTest::newRow("https with port") << "https://127.0.0.1:8443" << true;
        QTest::newRow("ipv6") << "http://[::1]:80" << true;
        QTest::newRow("no scheme") << "www.dd373.com" << false;
        QTest::newRow("query") << "http://a.com?x=1" << false;
        QTest::newRow("user info") << "http://u@a.com" << false;
        QTest::newRow("empty port") << "http://a.com:" << false;
        QTest::newRow("port zero") << "http://a.com:0" << false;
        QTest::newRow("double dot") << "http://a..com" << false;
    }
    void siteAddresses() {
        QFETCH(QString, address);
        QFETCH(bool, valid);
        QCOMPARE(IsSiteAddress(address), valid);
    }

    void allAtPointsEverySiteAtOneBase() {
        const Sites s = Sites::allAt("http://127.0.0.1:9");
        for (const QString& key : Sites::keys())
            QCOMPARE(s.value(key), QString("http://127.0.0.1:9"));
    }
};

QTEST_GUILESS_MAIN(TstSites)
#include "tst_sites.moc"
