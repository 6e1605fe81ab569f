#include "web/charsets.h"
#include "web/textrules.h"

#include <QTest>
#include <clocale>

using namespace ts;

class TstTextRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textBetween_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<bool>("last");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty left, right found") << "12.5元"
                                                 << ""
                                                 << "元" << false << "12.5";
        QTest::newRow("empty left, right missing") << "12.5"
                                                   << ""
                                                   << "元" << false << "";
        QTest::newRow("left missing") << "a<b>c"
                                      << "<x>"
                                      << "c" << false << "";
        QTest::newRow("empty text") << ""
                                    << ""
                                    << "" << false << "";
        QTest::newRow("first left") << "<b>1</b><b>2</b>"
                                    << "<b>"
                                    << "</b>" << false << "1";
        QTest::newRow("last left") << "<b>1</b><b>2</b>"
                                   << "<b>"
                                   << "</b>" << true << "2";
        QTest::newRow("right searched after left") << "x]a[b]c"
                                                   << "["
                                                   << "]" << false << "b";
        QTest::newRow("markers adjacent") << "[]"
                                          << "["
                                          << "]" << false << "";
        QTest::newRow("case-sensitive") << "<B>1</B>"
                                        << "<b>"
                                        << "</B>" << false << "";
        QTest::newRow("chinese markers") << "单价：5.5元/金"
                                         << "："
                                         << "元" << false << "5.5";
        // GBK of 啊 is B0 A1, of 奥 B0 C2: "A1 B0" occurs only across the two; a character
        // search never finds it.
        QTest::newRow("no match across characters")
            << "啊奥" << GbkDecode(QByteArray("\xA1\xB0")) << "" << false << "";
    }
    void textBetween() {
        QFETCH(QString, text);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(bool, last);
        QFETCH(QString, expected);
        QCOMPARE(TextBetween(text, left, right, last), expected);
    }

    void splitText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("trailing separator") << "a</li>b</li>" << QStringList{"a", "b"};
        QTest::newRow("rest kept") << "a</li>b" << QStringList{"a", "b"};
        QTest::newRow("separator alone") << "</li>" << QStringList{""};
        QTest::newRow("empty text") << "" << QStringList{};
        QTest::newRow("no separator") << "abc" << QStringList{"abc"};
        QTest::newRow("empty pieces kept") << "</li></li>x" << QStringList{"", "", "x"};
    }
    void splitText() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(SplitText(text, "</li>"), expected);
    }

    void textToNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("unit after number") << "12.5元" << 12.5;
        QTest::newRow("text before number") << "约12" << 0.0;
        QTest::newRow("full-width digits") << "１２" << 12.0;
        QTest::newRow("full-width point and sign") << "－１．５" << -1.5;
        QTest::newRow("comma ends number") << "1,200" << 1.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("leading blanks") << " \t 7.25x" << 7.25;
        QTest::newRow("ideographic space") << "\u30003" << 3.0;
        QTest::newRow("exponent") << "1.5e3元" << 1500.0;
        QTest::newRow("dangling exponent") << "2e" << 2.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("hex is not decimal") << "0x10" << 0.0;
        QTest::newRow("inf is not a number") << "inf" << 0.0;
    }
    void textToNumber() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(TextToNumber(text), expected);
    }

    void numberToText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fraction") << 135.5 << "135.5";
        QTest::newRow("whole") << 3.0 << "3";
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
        QTest::newRow("13 digits") << 1234567.891234567 << "1234567.891235";
        QTest::newRow("large uses exponent") << 1e20 << "1e+20";
        QTest::newRow("small uses exponent") << 0.00001 << "1e-05";
        QTest::newRow("negative") << -2.75 << "-2.75";
    }
    void numberToText() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(NumberToText(value), expected);
    }

    void numberTextsIgnoreLocale() {
        // A decimal comma locale must not change how numbers are read or written.
        const char* old = std::setlocale(LC_NUMERIC, nullptr);
        const QByteArray saved = old ? QByteArray(old) : QByteArray("C");
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("no de_DE locale on this machine");
        const QString written = NumberToText(2.5);
        const double read = TextToNumber("2.5");
        std::setlocale(LC_NUMERIC, saved.constData());
        QCOMPARE(written, QString("2.5"));
        QCOMPARE(read, 2.5);
    }

    void roundHalfAway_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("places");
        QTest::addColumn<double>("expected");
        QTest::newRow("half up") << 0.0125 << 3 << 0.013;
        QTest::newRow("below half") << 0.1333 << 3 << 0.133;
        QTest::newRow("negative half") << -0.0125 << 3 << -0.013;
        QTest::newRow("two places") << 2.675 << 2 << 2.68;
        QTest::newRow("whole") << 2.5 << 0 << 3.0;
    }
    void roundHalfAway() {
        QFETCH(double, value);
        QFETCH(int, places);
        QFETCH(double, expected);
        QCOMPARE(RoundHalfAway(value, places), expected);
    }

    void dateTimeText_data() {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("expected");
        QTest::newRow("seconds") << QTime(15, 30, 20) << "2013年5月8日15时30分20秒";
        QTest::newRow("no seconds") << QTime(15, 30, 0) << "2013年5月8日15时30分";
        QTest::newRow("whole hour") << QTime(15, 0, 0) << "2013年5月8日15时";
        QTest::newRow("midnight") << QTime(0, 0, 0) << "2013年5月8日";
        QTest::newRow("seconds at midnight hour") << QTime(0, 0, 5) << "2013年5月8日0时0分5秒";
    }
    void dateTimeText() {
        QFETCH(QTime, time);
        QFETCH(QString, expected);
        QCOMPARE(DateTimeText(QDateTime(QDate(2013, 5, 8), time)), expected);
    }

    void runningSum_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList{} << "";
        QTest::newRow("texts with units") << QStringList{"12.5元", "3元", "约2"} << "15.5";
        QTest::newRow("tenths add up cleanly") << QStringList{"0.1", "0.2", "0.3"} << "0.6";
        QTest::newRow("full-width") << QStringList{"１", "２"} << "3";
    }
    void runningSum() {
        QFETCH(QStringList, cells);
        QFETCH(QString, expected);
        QCOMPARE(RunningSum(cells), expected);
    }

    void charsets_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("charset");
        QTest::addColumn<QString>("expected");
        QTest::newRow("utf-8") << QByteArray("\xE9\x87\x91\xE5\xB8\x81") << QByteArray("utf-8")
                               << "金币";
        QTest::newRow("gbk") << QByteArray("\xBD\xF0\xB1\xD2") << QByteArray("GBK") << "金币";
        QTest::newRow("gb2312 as gbk") << QByteArray("\xBD\xF0") << QByteArray("gb2312") << "金";
        QTest::newRow("unknown falls back to utf-8")
            << QByteArray("\xE9\x87\x91") << QByteArray("x-none") << "金";
        QTest::newRow("invalid utf-8 kept readable")
            << QByteArray("a\xFF") << QByteArray("utf-8") << "a\uFFFD";
        QTest::newRow("text ends at zero") << QByteArray("ab\0cd", 5) << QByteArray() << "ab";
    }
    void charsets() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, charset);
        QFETCH(QString, expected);
        QCOMPARE(DecodeBody(bytes, charset), expected);
    }

    void utf8ToGbkKeepsCharactersGbkLacks() {
        // GBK has no emoji: the text keeps it; only the GBK byte form shows "?".
        const QString text = QString::fromUtf8("金😀");
        QCOMPARE(Utf8ToGbk(text.toUtf8()), text);
        QCOMPARE(GbkEncode(text), QByteArray("\xBD\xF0?"));
        QCOMPARE(GbkDecode(GbkEncode("金币")), QString("金币"));
    }
};

QTEST_GUILESS_MAIN(TstTextRules)
#include "tst_textrules.moc"
