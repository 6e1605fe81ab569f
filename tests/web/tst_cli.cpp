#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Runs the built command-line program and checks exit codes and messages.
class TstCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    struct Run {
        int code = -1;
        QString out;
        QString err;
    };
    static Run run(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(TS_CLI_PATH), args);
        Run r;
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

private Q_SLOTS:
    void exitCodes_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("stdoutHas");
        QTest::addColumn<QString>("stderrHas");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "usage: tallyscope-cli"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "tallyscope-cli 1."
                                 << "";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << ""
                                        << "unknown option --frobnicate";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << ""
                                         << "unknown command frobnicate";
        QTest::newRow("no command") << QStringList{} << 2 << ""
                                    << "usage:";
        QTest::newRow("sites without file") << QStringList{"--sites"} << 2 << ""
                                            << "--sites needs a file";
        QTest::newRow("sites and demo")
            << QStringList{"--demo", "--sites", "x.ini", "games"} << 2 << ""
            << "exclude each other";
    }
    void exitCodes() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, stdoutHas);
        QFETCH(QString, stderrHas);
        const Run r = run(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.out.contains(stdoutHas), qPrintable(r.out));
        QVERIFY2(r.err.contains(stderrHas), qPrintable(r.err));
    }

    void badSitesFileNamesFileAndLine_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("where");
        QTest::newRow("unknown key") << QByteArray("[sites]\n\nfoo = http://a\n") << ":3:";
        QTest::newRow("bad address") << QByteArray("[sites]\ndd373 = http://a/b\n") << ":2:";
        QTest::newRow("missing file") << QByteArray() << ": cannot read";
    }
    void badSitesFileNamesFileAndLine() {
        QFETCH(QByteArray, content);
        QFETCH(QString, where);
        const QString file = m_dir.filePath(QString("sites-%1.ini").arg(QTest::currentDataTag()));
        if (!content.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const Run r = run({"--sites", file, "games"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(file + where), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
