#pragma once
// The two ways of narrowing the game list: by first letter and by keyword. Shared by the
// window and the command line.

#include <QList>
#include <QString>
#include <QStringList>

namespace ts {

// First item of the letter combo boxes: reload the whole game list.
inline QString AllGamesItem() {
    return QStringLiteral("全部游戏ALL");
}
// "全部游戏ALL", then "A" to "Z".
QStringList LetterFilterItems();

// The first two bytes of the name's GBK form. A character that GBK lacks counts as a
// two-byte character without a reading.
QByteArray FirstTwoGbkBytes(const QString& name);

// The pinyin initials of the first two bytes of the name's GBK form hold the letter
// (compared without regard to case).
bool MatchesLetter(const QString& name, QChar letter);
// The keyword occurs in the name, case counting; an empty keyword occurs in every
// non-empty name.
bool MatchesKeyword(const QString& name, const QString& keyword);

// Rows of names that pass, first to last.
QList<int> LetterRows(const QStringList& names, QChar letter);
QList<int> KeywordRows(const QStringList& names, const QString& keyword);

} // namespace ts
