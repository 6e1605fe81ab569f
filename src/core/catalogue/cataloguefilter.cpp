#include "catalogue/cataloguefilter.h"

#include "catalogue/pinyin.h"
#include "web/charsets.h"

namespace ts {

QStringList LetterFilterItems() {
    QStringList items{AllGamesItem()};
    for (char c = 'A'; c <= 'Z'; ++c)
        items << QString(QLatin1Char(c));
    return items;
}

QByteArray FirstTwoGbkBytes(const QString& name) {
    QByteArray bytes;
    const QList<uint> codePoints = name.toUcs4();
    for (uint cp : codePoints) {
        if (bytes.size() >= 2)
            break;
        const QString ch = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
        QByteArray gbk = GbkEncode(ch);
        // A character GBK lacks is one wide character here too, never a stray "?" byte
        // that would let the character after it count as the second byte.
        if (gbk == "?" && cp != '?')
            gbk = QByteArray("\xA3\xBF"); // full-width question mark: no reading
        bytes += gbk;
    }
    return bytes.left(2);
}

bool MatchesLetter(const QString& name, QChar letter) {
    return PinyinInitials(FirstTwoGbkBytes(name)).contains(letter, Qt::CaseInsensitive);
}

bool MatchesKeyword(const QString& name, const QString& keyword) {
    return !name.isEmpty() && name.contains(keyword, Qt::CaseSensitive);
}

QList<int> LetterRows(const QStringList& names, QChar letter) {
    QList<int> rows;
    for (int i = 0; i < names.size(); ++i)
        if (MatchesLetter(names[i], letter))
            rows << i;
    return rows;
}

QList<int> KeywordRows(const QStringList& names, const QString& keyword) {
    QList<int> rows;
    for (int i = 0; i < names.size(); ++i)
        if (MatchesKeyword(names[i], keyword))
            rows << i;
    return rows;
}

} // namespace ts
