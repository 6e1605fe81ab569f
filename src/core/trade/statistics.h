#pragma once
// The statistics table 统计列表: copies of completed-trade summaries, newest on top.

#include "tables/reportmodel.h"
#include "trade/completedtrades.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace ts {

QVector<ReportColumn> StatisticsColumns(); // the eleven columns, titles and widths

// The rule each column sorts by when its title is clicked: 序号 and the amounts, prices and
// counts (columns 0, 3-9) by number, names (1, 2) by text, 统计时间 (10) by date-time.
QVector<int> StatisticsSortRules();

// The row an addition writes: the number of rows before plus 1, row 0 columns 2 and 3 of the
// trade list as shown, the label captions, the count and total cut before "笔"/"元", and now.
QStringList StatisticsRow(int rowsBefore, const ReportModel& trades, const TradeSummary& labels,
                          const QString& now);

// Inserts that row at the top of stats.
void AddStatisticsRow(ReportModel& stats, const ReportModel& trades, const TradeSummary& labels,
                      const QString& now);

// A click on a column title: sorts ascending by that column's rule, not case-sensitive.
void SortStatisticsByColumn(ReportModel& stats, int column);

} // namespace ts
