// Pinyin initials, the letter filter's first-two-bytes rule and the keyword search.

#include "catalogue/cataloguefilter.h"
#include "catalogue/pinyin.h"
#include "web/charsets.h"

#include <QTest>

using namespace ts;

class TstCatalogueFilter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initialsOfCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("initials");
        QTest::newRow("first and last GB2312 codes") << "啊齄"
                                                     << "az";
        QTest::newRow("level 2 (ordered by radical)") << "亍丌"
                                                      << "cj";
        QTest::newRow("first listed reading only") << "传行"
                                                   << "cx";
        QTest::newRow("vowel reading gives its vowel") << "暗安鹅欧"
                                                       << "aaeo";
        QTest::newRow("single bytes kept") << "3D-x"
                                           << "3D-x";
        QTest::newRow("mixed") << "DNF地下城"
                               << "DNFdxc";
        QTest::newRow("GB2312 symbol has no reading") << "Ａ※"
                                                      << "Ａ※";
        QTest::newRow("GBK extension kept as the character") << "丂丄"
                                                             << "丂丄";
    }
    void initialsOfCharacters() {
        QFETCH(QString, text);
        QFETCH(QString, initials);
        QCOMPARE(PinyinInitials(GbkEncode(text)), initials);
    }

    void tableCoversGb2312() {
        int covered = 0;
        for (int lead = 0xB0; lead <= 0xF7; ++lead)
            for (int trail = 0xA1; trail <= 0xFE; ++trail)
                covered += PinyinInitialOf(lead, trail) != 0;
        QCOMPARE(covered, 6763);                  // every Chinese character of GB2312
        QCOMPARE(PinyinInitialOf(0xD7, 0xFA), 0); // unassigned code
        QCOMPARE(PinyinInitialOf(0xA3, 0xC1), 0); // full-width A, outside the Chinese rows
    }

    void loneLeadByteAtTheEnd() {
        QByteArray bytes = GbkEncode(QStringLiteral("A中")).left(2);
        QCOMPARE(bytes.size(), 2);
        const QString initials = PinyinInitials(bytes);
        QCOMPARE(initials.size(), 2);
        QCOMPARE(initials.at(0), QLatin1Char('A'));
        QVERIFY(!initials.at(1).isLetter());
    }

    void letterFilter_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("letters"); // every letter the name is listed under
        QTest::newRow("two Latin letters") << "DNF"
                                           << "DN";
        QTest::newRow("lower case letters") << "dnf"
                                            << "DN";
        QTest::newRow("digit then letter") << "3D坦克"
                                           << "D";
        QTest::newRow("letter then Chinese") << "Q传奇"
                                             << "Q";
        QTest::newRow("QQ") << "QQ飞车"
                            << "Q";
        QTest::newRow("王") << "王者之城"
                            << "W";
        QTest::newRow("传 first reading, not zhuan") << "传世"
                                                     << "C";
        QTest::newRow("行 first reading xing, not hang") << "行者"
                                                         << "X";
        QTest::newRow("暗 vowel initial") << "暗夜"
                                          << "A";
        QTest::newRow("GBK extension") << "丂古传说"
                                       << "";
        QTest::newRow("GBK extension whose trail byte is A") << "丄国"
                                                             << "";
        QTest::newRow("full-width letter") << "ＡＢ"
                                           << "";
        QTest::newRow("one letter") << "X"
                                    << "X";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("emoji first") << "😀x"
                                     << "";
    }
    void letterFilter() {
        QFETCH(QString, name);
        QFETCH(QString, letters);
        QString listed;
        for (char c = 'A'; c <= 'Z'; ++c)
            if (MatchesLetter(name, QLatin1Char(c)))
                listed += QLatin1Char(c);
        QCOMPARE(listed, letters);
    }

    void keyword_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("case counts") << "qq" << QList<int>{3};
        QTest::newRow("upper case") << "QQ" << QList<int>{0};
        QTest::newRow("Chinese inside") << "飞车" << QList<int>{0, 1};
        QTest::newRow("empty keyword: every non-empty name") << "" << QList<int>{0, 1, 2, 3};
        QTest::newRow("no match") << "无" << QList<int>{};
    }
    void keyword() {
        QFETCH(QString, keyword);
        QFETCH(QList<int>, rows);
        const QStringList names{"QQ飞车", "极品飞车", "DNF", "qq堂", ""};
        QCOMPARE(KeywordRows(names, keyword), rows);
    }

    void letterRowsKeepOrder() {
        const QStringList names{"DNF", "传奇", "3D坦克", "地下城", "Dota"};
        QCOMPARE(LetterRows(names, QLatin1Char('d')), (QList<int>{0, 2, 3, 4}));
        QCOMPARE(LetterRows(names, QLatin1Char('Z')), QList<int>{});
    }

    void letterItems() {
        const QStringList items = LetterFilterItems();
        QCOMPARE(items.size(), 27);
        QCOMPARE(items.first(), QStringLiteral("全部游戏ALL"));
        QCOMPARE(items.at(1), QStringLiteral("A"));
        QCOMPARE(items.last(), QStringLiteral("Z"));
    }
};

QTEST_GUILESS_MAIN(TstCatalogueFilter)
#include "tst_cataloguefilter.moc"
