#pragma once
// Text cutting and number texts: the rules every page reader shares.
// Text is Unicode (QString) inside; searches are character-wise and case-sensitive.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace ts {

// The text strictly between the first (or, with last, the last) occurrence of left and the
// first occurrence of right after it. Empty when either marker is missing or text is empty.
// An empty left marker is found at the start of any non-empty text.
QString TextBetween(const QString& text, const QString& left, const QString& right,
                    bool last = false);

// The texts before each occurrence of sep, then the rest after the last one when that rest
// is not empty. An empty text gives no pieces.
QStringList SplitText(const QString& text, const QString& sep);

// Full-width characters folded to their single-byte forms, then read as atof reads:
// leading blanks skipped, the longest leading decimal number; 0 when there is none.
double TextToNumber(const QString& text);

// A real written as printf's "%.13g" writes it.
QString NumberToText(double value);

// Rounding to `places` decimals with halves away from zero.
double RoundHalfAway(double value, int places);

// 2013年5月8日15时30分20秒, trailing zero parts left out.
QString DateTimeText(const QDateTime& when);
QString CurrentDateTimeText();

// Running sum kept as text: starts empty; each cell adds its number to the text's number and
// the result is written back with NumberToText. Returns the empty text for no cells.
QString RunningSum(const QStringList& cells);

} // namespace ts
