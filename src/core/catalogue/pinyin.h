#pragma once
// Pinyin initials of GBK text, for the game list's letter filter.

#include <QByteArray>
#include <QString>

namespace ts {

// The initial (lower case) of the first listed reading of the GB2312 Chinese character with
// these two GBK bytes; 0 for every other code.
char PinyinInitialOf(unsigned char lead, unsigned char trail);

// Walks GBK bytes: a byte below 0x80 is kept; a two-byte character with a reading gives its
// initial in lower case; any other character (or a lone lead byte at the end) is kept as that
// character, decoded, so that its trail byte can never pass for a Latin letter.
QString PinyinInitials(const QByteArray& gbk);

namespace detail {
// Generated table (pinyintable.cpp): row lead - 0xB0, column trail - 0xA1, '.' for none.
extern const char kPinyinInitials[72][95];
} // namespace detail

} // namespace ts
