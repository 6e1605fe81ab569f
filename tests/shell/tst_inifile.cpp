// Setting the version line of the settings file while keeping everything else.

#include "shell/inifile.h"

#include <QTest>

using namespace ts;

class TstIniFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setValue_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << QByteArray("[基本配置]\n版本号=1.000\n");
        QTest::newRow("same again")
            << QByteArray("[基本配置]\n版本号=1.000\n") << QByteArray("[基本配置]\n版本号=1.000\n");
        QTest::newRow("old version, other keys and sections kept")
            << QByteArray(
                   "[窗口]\n宽=800\n[基本配置]\n用户=张三\n版本号=0.9\n皮肤=2\n[其他]\na=1\n")
            << QByteArray(
                   "[窗口]\n宽=800\n[基本配置]\n用户=张三\n版本号=1.000\n皮肤=2\n[其他]\na=1\n");
        QTest::newRow("blanks around the key and value")
            << QByteArray("[ 基本配置 ]\n  版本号 = 0.9  \n")
            << QByteArray("[ 基本配置 ]\n版本号=1.000\n");
        QTest::newRow("section without the key: after its last filled line")
            << QByteArray("[基本配置]\n用户=张三\n\n[其他]\na=1\n")
            << QByteArray("[基本配置]\n用户=张三\n版本号=1.000\n\n[其他]\na=1\n");
        QTest::newRow("key only in another section")
            << QByteArray("[其他]\n版本号=7\n")
            << QByteArray("[其他]\n版本号=7\n[基本配置]\n版本号=1.000\n");
        QTest::newRow("commented key is not the key")
            << QByteArray("[基本配置]\n;版本号=0.1\n")
            << QByteArray("[基本配置]\n;版本号=0.1\n版本号=1.000\n");
        QTest::newRow("no line break at the end")
            << QByteArray("[其他]\na=1") << QByteArray("[其他]\na=1\n[基本配置]\n版本号=1.000\n");
        QTest::newRow("last line of the section without line break")
            << QByteArray("[基本配置]\na=1") << QByteArray("[基本配置]\na=1\n版本号=1.000\n");
        QTest::newRow("CR LF file gets CR LF lines")
            << QByteArray("[其他]\r\na=1\r\n")
            << QByteArray("[其他]\r\na=1\r\n[基本配置]\r\n版本号=1.000\r\n");
        QTest::newRow("byte-order mark kept")
            << QByteArray("\xEF\xBB\xBF[基本配置]\n版本号=0.9\n")
            << QByteArray("\xEF\xBB\xBF[基本配置]\n版本号=1.000\n");
        QTest::newRow("bytes in another encoding kept as they are")
            << QByteArray("[\xD5\xCA\xBA\xC5]\nname=\xD5\xC5\xC8\xFD\n")
            << QByteArray("[\xD5\xCA\xBA\xC5]\nname=\xD5\xC5\xC8\xFD\n[基本配置]\n版本号=1.000\n");
    }
    void setValue() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QCOMPARE(SetIniValue(before, "基本配置", "版本号", "1.000"), after);
    }
};

QTEST_GUILESS_MAIN(TstIniFile)
#include "tst_inifile.moc"
