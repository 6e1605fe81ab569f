// Start-up files in the program's directory.

#include "gui/mainwindow.h"
#include "gui/panestatusbar.h"
#include "shell/startupfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TstStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartWritesBothFiles() {
        QTemporaryDir dir;
        MainWindow w(ts::Sites{}, dir.path()); // no site configured: nothing goes out
        const QByteArray alarm = readAll(dir.filePath("alarm.mp3"));
        QFile resource(ts::AlarmResourcePath());
        QVERIFY(resource.open(QIODevice::ReadOnly));
        const QByteArray carried = resource.readAll();
        QVERIFY(carried.size() > 1000);
        QVERIFY(carried.startsWith("ID3") || carried.startsWith("\xFF\xFB"));
        QCOMPARE(alarm, carried);
        QCOMPARE(readAll(dir.filePath("配置.ini")), QByteArray("[基本配置]\n版本号=1.000\n"));
        QCOMPARE(w.paneStatusBar()->paneText(0), QString());
    }

    void secondStartKeepsAlarmAndOtherSettings() {
        QTemporaryDir dir;
        writeFile(dir.filePath("alarm.mp3"), "my own alarm");
        writeFile(dir.filePath("配置.ini"),
                  "[窗口]\r\n宽=800\r\n[基本配置]\r\n版本号=0.900\r\n用户=张三\r\n");
        { MainWindow first(ts::Sites{}, dir.path()); }
        MainWindow second(ts::Sites{}, dir.path());
        QCOMPARE(readAll(dir.filePath("alarm.mp3")), QByteArray("my own alarm"));
        QCOMPARE(readAll(dir.filePath("配置.ini")),
                 QByteArray("[窗口]\r\n宽=800\r\n[基本配置]\r\n版本号=1.000\r\n用户=张三\r\n"));
    }

    void unwritableDirectoryIsReportedOnce() {
        QTemporaryDir dir;
        writeFile(dir.filePath("file"), "x");
        const QString runDir = dir.filePath("file/sub"); // below a file: nothing can be made
        MainWindow w(ts::Sites{}, runDir);
        const QString text = w.paneStatusBar()->paneText(0);
        QVERIFY2(text.startsWith("无法写入程序目录"), qPrintable(text));
        QVERIFY(text.contains("alarm.mp3") && text.contains("配置.ini"));
        QCOMPARE(text.count("无法写入"), 1);
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
