#include "fixtureserver.h"

#include <QTest>

class TstSmoke : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixtureServerStarts() {
        tstest::FixtureServer server;
        QVERIFY(server.start());
        QVERIFY(server.port() > 0);
    }
};

QTEST_GUILESS_MAIN(TstSmoke)
#include "tst_smoke.moc"
