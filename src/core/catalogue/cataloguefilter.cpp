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

bool MatchesLetter(const QString& name, QChar letter) {
    return PinyinInitials(GbkEncode(name).left(2)).contains(letter, Qt::CaseInsensitive);
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
