// SortReportList: the four rules, where equal keys land, and what moves.

#include "tables/sortreportlist.h"
#include "web/textrules.h"

#include <QRandomGenerator>
#include <QTest>

using namespace ts;

namespace {

// A two-column list: column 0 the row's name (a, b, c, ...), column 1 the key text.
ReportModel* makeList(const QStringList& keys, QObject* parent) {
    auto* m = new ReportModel({{"name", 40}, {"key", 80}}, parent);
    for (int i = 0; i < keys.size(); ++i)
        m->appendRow({QString(QChar(u'a' + i)), keys[i]});
    return m;
}

QString names(const ReportModel& m) {
    QString s;
    for (int r = 0; r < m.rowCount(); ++r)
        s += m.text(r, 0);
    return s;
}

// The insertion scheme on a plain array: the reference for the ranked list.
QVector<int> referenceOrder(const QVector<double>& keys) {
    QVector<int> order;
    auto cmp = [&](int x, int k) {
        const double d = keys[x] - keys[k];
        return d < -1e-7 ? -1 : (d > 1e-7 ? 1 : 0);
    };
    for (int x = 0; x < keys.size(); ++x) {
        const int c = int(order.size());
        int pos;
        if (c == 0 || cmp(x, order.last()) >= 0)
            pos = c;
        else if (cmp(x, order.first()) <= 0)
            pos = 0;
        else {
            int lo = 1, hi = c;
            while (hi - lo > 1) {
                const int mid = (lo + hi) / 2;
                const int r = cmp(x, order[mid - 1]);
                if (r == 0) {
                    lo = mid;
                    break;
                }
                (r < 0 ? hi : lo) = mid;
            }
            pos = lo;
        }
        order.insert(pos, x);
    }
    return order;
}

} // namespace

class TstSortReportList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sorts_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("rule");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<QString>("ascending");  // names top to bottom
        QTest::addColumn<QString>("descending"); // names top to bottom

        QTest::newRow("equal first and last keys")
            << QStringList{"5", "3", "5", "3"} << 0 << true << "dbac"
            << "cabd";
        QTest::newRow("inner equal keys land after the one the search meets")
            << QStringList{"1", "3", "2", "2", "2", "2"} << 0 << true << "acefdb"
            << "bdfeca";
        QTest::newRow("number with unit") << QStringList{"13", "12.5元", "12"} << 0 << true << "cba"
                                          << "abc";
        QTest::newRow("no leading number reads 0")
            << QStringList{"0.5", "约12"} << 0 << true << "ba"
            << "ab";
        QTest::newRow("full-width digits") << QStringList{"13", "１２", "11"} << 0 << true << "cba"
                                           << "abc";
        QTest::newRow("within tolerance counts as equal")
            << QStringList{"2.00000005", "2", "1"} << 0 << true << "cab"
            << "bac";
        QTest::newRow("beyond tolerance")
            << QStringList{"2.0000002", "2", "1"} << 0 << true << "cba"
            << "abc";
        QTest::newRow("text case-sensitive") << QStringList{"a", "B"} << 1 << true << "ba"
                                             << "ab";
        QTest::newRow("text not case-sensitive") << QStringList{"a", "B"} << 1 << false << "ab"
                                                 << "ba";
        QTest::newRow("text in GBK code order")
            << QStringList{"一", "啊", "Z"} << 1 << true << "cba"
            << "abc";
        QTest::newRow("unknown rule is text") << QStringList{"b", "a"} << 7 << true << "ba"
                                              << "ab";
        QTest::newRow("date-time forms")
            << QStringList{"2013年5月8日15时30分20秒", "2013-05-08", "2013/5/8 9:05", "不是日期",
                           "2013-05-08 15:30:21"}
            << 2 << true << "dbcae"
            << "eacbd";
        QTest::newRow("logical: 假 last")
            << QStringList{"真", "假", "x", "假"} << 3 << true << "cabd"
            << "dbac";
        QTest::newRow("empty list") << QStringList{} << 0 << true << ""
                                    << "";
    }
    void sorts() {
        QFETCH(QStringList, keys);
        QFETCH(int, rule);
        QFETCH(bool, caseSensitive);
        QFETCH(QString, ascending);
        QFETCH(QString, descending);
        ReportModel* up = makeList(keys, this);
        SortReportList(*up, 1, rule, caseSensitive, true);
        QCOMPARE(names(*up), ascending);
        ReportModel* down = makeList(keys, this);
        SortReportList(*down, 1, rule, caseSensitive, false);
        QCOMPARE(names(*down), descending);
    }

    void dateTimeReading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("when");
        const QDateTime t(QDate(2013, 5, 8), QTime(15, 30, 20));
        QTest::newRow("own form") << "2013年5月8日15时30分20秒" << t;
        QTest::newRow("own form, hour only") << "2013年5月8日15时" << QDateTime(t.date(), {15, 0});
        QTest::newRow("own form, midnight") << "2013年5月8日" << QDateTime(t.date(), {0, 0});
        QTest::newRow("iso seconds") << "2013-05-08 15:30:20" << t;
        QTest::newRow("slashes") << "2013/5/8 15:30" << QDateTime(t.date(), {15, 30});
        QTest::newRow("unreadable") << "明天" << QDateTime(QDate(100, 1, 1), {0, 0});
        QTest::newRow("impossible date") << "2013-02-30" << QDateTime(QDate(100, 1, 1), {0, 0});
    }
    void dateTimeReading() {
        QFETCH(QString, text);
        QFETCH(QDateTime, when);
        const double expected =
            double(when.date().toJulianDay()) + when.time().msecsSinceStartOfDay() / 86400000.0;
        QVERIFY(qAbs(DateTimeDayCount(text) - expected) < 1e-9);
    }

    // The ranked list behind the sort places equal keys exactly as the plain array does.
    void manyEqualKeysMatchReference() {
        QRandomGenerator rng(42);
        const int n = 5000;
        QStringList texts;
        QVector<double> keys;
        for (int i = 0; i < n; ++i) {
            const double v = double(rng.bounded(40)) + (rng.bounded(3) == 0 ? 5e-8 : 0.0);
            keys << TextToNumber(NumberToText(v));
            texts << NumberToText(v);
        }
        QCOMPARE(SortOrder(texts, SortNumber), referenceOrder(keys));
    }

    void onlyTextsMove() {
        ReportModel* m = makeList({"3", "1", "2"}, this);
        m->setCellColour(0, 1, Qt::red);
        SortReportList(*m, 1, SortNumber);
        QCOMPARE(names(*m), QStringLiteral("bca"));
        QCOMPARE(m->text(0, 1), QStringLiteral("1"));
        QCOMPARE(m->cellColour(0, 1), QColor(Qt::red));
        QVERIFY(!m->cellColour(2, 1).isValid());
    }

    void columnTitleClicks() {
        ReportModel* m = makeList({"2", "1", "3"}, this);
        const QVector<int> rules = {kNoSortRule, SortNumber};
        // A column without a rule flips only the label.
        QCOMPARE(SortByColumnTitle(*m, 0, rules, "降"), QStringLiteral("升"));
        QCOMPARE(names(*m), QStringLiteral("abc"));
        QCOMPARE(SortByColumnTitle(*m, 1, rules, "降"), QStringLiteral("升"));
        QCOMPARE(names(*m), QStringLiteral("bac"));
        QCOMPARE(SortByColumnTitle(*m, 1, rules, "升"), QStringLiteral("降"));
        QCOMPARE(names(*m), QStringLiteral("cab"));
    }
};

QTEST_GUILESS_MAIN(TstSortReportList)
#include "tst_sortreportlist.moc"
