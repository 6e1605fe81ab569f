#pragma once
// What every DD373 list-page reader shares: the list-page address, the cutting of a page into
// row pieces and the common head of the row patterns.

#include "web/sites.h"

#include <QString>
#include <QStringList>

namespace ts {

// Markers of the item block of a list page.
inline constexpr const char16_t* kListBlockLeft = u"<div class=\"SLItem\">";
inline constexpr const char16_t* kListBlockRight = u"DD373寄售交易，快速发货";

// The list page of one catalogue entry: site + "/list/" G-R-S-T-0-0-0-N-O-0-0-0-0-0-0-0.html.
// n is the page size ("1000" for the queries, "20" for the monitor); o the sort code.
QString ListPageAddress(const Sites& sites, const QString& g, const QString& r, const QString& s,
                        const QString& t, const QString& n, const QString& o);

// True when the page holds the item block (both markers, the right one after the left).
bool HasListBlock(const QString& page);

// The pieces of the item block that a reader examines: the block split at "</tr>", without
// the last piece (which is never a row). No block or an empty block gives no pieces.
QStringList ListRowPieces(const QString& page);

// Lines H1 to H12 of every row pattern, each with its leading blanks. Groups: 1 trade page
// path, 2 offer title, 3 link text, 4 credit level, 5 product type, 6 game/region/server,
// 7 price.
QStringList RowPatternHead();

// Joins pattern lines with CR LF (no line break before the first or after the last).
QString JoinPatternLines(const QStringList& lines);

// A pattern line: `blanks` spaces followed by text.
QString PatternLine(int blanks, const QString& text);

} // namespace ts
