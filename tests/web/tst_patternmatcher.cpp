#include "web/patternmatcher.h"

#include <QElapsedTimer>
#include <QTest>

using namespace ts;

class TstPatternMatcher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each row: a run with the given options; `groups` lists group 1 of every match.
    void matchAll_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("global");
        QTest::addColumn<bool>("quoteMarker");
        QTest::addColumn<QStringList>("groups");

        QTest::newRow("no match") << "<b>(.*?)</b>"
                                  << "nothing here" << false << true << false << QStringList{};
        QTest::newRow("all matches in order")
            << "<b>(.*?)</b>"
            << "<b>1</b>x<b>2</b><b>3</b>" << false << true << false << QStringList{"1", "2", "3"};
        QTest::newRow("not global: first only")
            << "<b>(.*?)</b>"
            << "<b>1</b><b>2</b>" << false << false << false << QStringList{"1"};
        QTest::newRow("lazy group stops at line feed")
            << "<b>(.*?)</b>"
            << "<b>1\n</b>" << false << true << false << QStringList{};
        QTest::newRow("dot matches carriage return")
            << "<b>(.*?)</b>"
            << "<b>1\r</b>" << false << true << false << QStringList{"1\r"};
        QTest::newRow("literal CRLF spans lines")
            << "<td>(.*?)</td>\r\n<td>(.*?)</td>"
            << "<td>a</td>\r\n<td>b</td>" << false << true << false << QStringList{"a"};
        QTest::newRow("case ignored")
            << "<td class=x>(.*?)<"
            << "<TD CLASS=X>v<" << false << true << false << QStringList{"v"};
        QTest::newRow("case-sensitive on request")
            << "<td>(.*?)<"
            << "<TD>v<" << true << true << false << QStringList{};
        QTest::newRow("chinese literals")
            << "单价：(.*?)元"
            << "单价：5.5元 单价：6元" << false << true << false << QStringList{"5.5", "6"};
        QTest::newRow("quote marker")
            << "href=#引号(.*?)#引号"
            << "<a href=\"/x\">" << false << true << true << QStringList{"/x"};
        QTest::newRow("quote marker off keeps text")
            << "href=#引号(.*?)#引号"
            << "<a href=\"/x\">" << false << true << false << QStringList{};
        QTest::newRow("dot in host name matches any character")
            << "img.dd373.com/(.*?) "
            << "imgXdd373Ycom/ok " << false << true << false << QStringList{"ok"};
    }
    void matchAll() {
        QFETCH(QString, pattern);
        QFETCH(QString, subject);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, global);
        QFETCH(bool, quoteMarker);
        QFETCH(QStringList, groups);
        PatternMatcher m;
        QVERIFY(m.MatchAll(pattern, subject, caseSensitive, true, global, quoteMarker));
        QCOMPARE(m.MatchCount(), groups.size());
        QStringList got;
        for (int i = 1; i <= m.MatchCount(); ++i)
            got << m.GroupText(i, 1);
        QCOMPARE(got, groups);
        QVERIFY(!m.LimitHit());
    }

    void rejectedPattern() {
        PatternMatcher m;
        QVERIFY(m.MatchAll("<b>(.*?)</b>", "<b>1</b>"));
        QVERIFY(!m.MatchAll("<b>(.*?</b>", "<b>1</b>"));
        QCOMPARE(m.MatchCount(), 0);
        QCOMPARE(m.GroupText(1, 1), QString());
        QCOMPARE(m.GroupCount(), 0);
    }

    void secondRunReplacesFirst() {
        PatternMatcher m;
        QVERIFY(m.MatchAll("(a)", "aaa"));
        QCOMPARE(m.MatchCount(), 3);
        QVERIFY(m.MatchAll("(b)(c)?", "xb"));
        QCOMPARE(m.MatchCount(), 1);
        QCOMPARE(m.GroupCount(), 2);
        QCOMPARE(m.MatchText(1), QString("b"));
    }

    void outOfRange_data() {
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("group");
        QTest::newRow("match 0") << 0 << 1;
        QTest::newRow("match past count") << 3 << 1;
        QTest::newRow("group 0") << 1 << 0;
        QTest::newRow("group past count") << 1 << 3;
        QTest::newRow("group took no part") << 1 << 2;
    }
    void outOfRange() {
        QFETCH(int, match);
        QFETCH(int, group);
        PatternMatcher m;
        QVERIFY(m.MatchAll("<(b)(x)?>", "<b><b>"));
        QCOMPARE(m.MatchCount(), 2);
        int position = 7;
        QCOMPARE(m.GroupText(match, group, &position), QString());
        QCOMPARE(position, -2);
    }

    void noRunYet() {
        PatternMatcher m;
        QCOMPARE(m.MatchCount(), 0);
        QCOMPARE(m.PatternText(), QString());
        QCOMPARE(m.MatchText(1), QString());
        QCOMPARE(m.GroupCount(), 0);
    }

    void positionsCountGbkBytes() {
        PatternMatcher m;
        QVERIFY(m.MatchAll("价(格)", "金币ab价格"));
        int matchPos = 0, groupPos = 0;
        QCOMPARE(m.MatchText(1, &matchPos), QString("价格"));
        QCOMPARE(m.GroupText(1, 1, &groupPos), QString("格"));
        QCOMPARE(matchPos, 6); // two Chinese characters of two bytes, then "ab"
        QCOMPARE(groupPos, 8);
    }

    void replaceAll_data() {
        QTest::addColumn<bool>("global");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("groups swapped") << true << "$2$1"
                                        << "ba-dc";
        QTest::newRow("whole match and dollar") << true << "[$&]$$"
                                                << "[ab]$-[cd]$";
        QTest::newRow("first only") << false << "X"
                                    << "X-cd";
    }
    void replaceAll() {
        QFETCH(bool, global);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        PatternMatcher m;
        QVERIFY(m.MatchAll("(\\w)(\\w)", "ab-cd", false, true, global));
        QCOMPARE(m.PatternText(), QString("(\\w)(\\w)"));
        QCOMPARE(m.ReplaceAll(replacement), expected);
    }

    void pathologicalPatternIsBounded() {
        // Nested quantifiers over a long run without the closing literal backtrack
        // exponentially; the work limit ends the run promptly with no matches.
        const QString subject = QString(200000, u'a');
        PatternMatcher m;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(m.MatchAll("(a+)+[bc]", subject));
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(m.MatchCount(), 0);
        QVERIFY(m.LimitHit());
    }

    void largeLinearRunIsNotLimited() {
        // A plain row pattern over a big page stays far below the limit.
        QString page;
        for (int i = 0; i < 20000; ++i)
            page += QStringLiteral("<tr><td>行%1</td>\r\n<td>%1.5元</td></tr>\r\n").arg(i);
        PatternMatcher m;
        QVERIFY(m.MatchAll("<td>(.*?)</td>\r\n<td>(.*?)元</td>", page));
        QCOMPARE(m.MatchCount(), 20000);
        QCOMPARE(m.GroupText(20000, 2), QString("19999.5"));
        QVERIFY(!m.LimitHit());
    }
};

QTEST_GUILESS_MAIN(TstPatternMatcher)
#include "tst_patternmatcher.moc"
