#pragma once
// SortReportList: the sort every result list shares, and the column-title handler logic with
// its direction label ("升" after an ascending sort, "降" after a descending one).
//
// Rows are placed by insertion: each row's key, in row order, goes into an ascending key list
// at a position found by halving. Equal keys therefore land at fixed places (after an equal
// last key, before an equal first key, right after an inner equal key the search meets) and
// a descending sort is the exact reverse of the ascending one. Only cell texts move.

#include "tables/reportmodel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace ts {

enum SortRule { SortNumber = 0, SortText = 1, SortDateTime = 2, SortLogical = 3 };
constexpr int kNoSortRule = -1; // a column that a title click does not sort

// Tolerance of the number and date-time comparisons.
constexpr double kSortTolerance = 1e-7;

// The ascending order of `texts` under `rule` (entries are indexes into texts). A rule
// outside 0..3 counts as text.
QVector<int> SortOrder(const QStringList& texts, int rule, bool caseSensitive = true);

// Sorts the list by `column` in place. Cell marks stay at their positions.
void SortReportList(ReportModel& list, int column, int rule, bool caseSensitive = true,
                    bool ascending = true);

// The day count a date-time text reads as (days and fractions of a day). Reads
// "yyyy-MM-dd", "yyyy/M/d", "yyyy.M.d", each optionally followed by "hh:mm" or "hh:mm:ss",
// and the program's own form "2013年5月8日15时30分20秒" with trailing parts left out.
// An unreadable text is 1 January of the year 100.
double DateTimeDayCount(const QString& text);

// The bytes a text sorts by: its GBK form; not case-sensitive folds single-byte ASCII letters
// to lower case (bytes inside two-byte characters are left alone).
QByteArray TextSortKey(const QString& text, bool caseSensitive);

// Direction label texts.
inline const QString kSortAscendingLabel = QStringLiteral("升");
inline const QString kSortDescendingLabel = QStringLiteral("降");

// A click on a column title of a result list with a direction label. rules[c] is the rule of
// column c (kNoSortRule, or a missing entry, for none). Label "降": sorts ascending and gives
// "升"; label "升": sorts descending and gives "降". A column without a rule only flips the
// label. Returns the new label text (an unknown label is returned unchanged).
QString SortByColumnTitle(ReportModel& list, int column, const QVector<int>& rules,
                          const QString& label);

} // namespace ts
