#include "trade/statistics.h"

#include "tables/sortreportlist.h"
#include "web/textrules.h"

namespace ts {

QVector<ReportColumn> StatisticsColumns() {
    return {{QStringLiteral("序号"), 40},     {QStringLiteral("游戏名/服/区"), 200},
            {QStringLiteral("商品类型"), 65}, {QStringLiteral("最小金额"), 65},
            {QStringLiteral("最大金额"), 65}, {QStringLiteral("最小单价"), 65},
            {QStringLiteral("最大单价"), 65}, {QStringLiteral("平均单价"), 65},
            {QStringLiteral("交易笔数"), 65}, {QStringLiteral("交易总金额"), 80},
            {QStringLiteral("统计时间"), 170}};
}

QVector<int> StatisticsSortRules() {
    return {SortNumber, SortText,   SortText,   SortNumber, SortNumber,  SortNumber,
            SortNumber, SortNumber, SortNumber, SortNumber, SortDateTime};
}

QStringList StatisticsRow(int rowsBefore, const ReportModel& trades, const TradeSummary& labels,
                          const QString& now) {
    return {QString::number(rowsBefore + 1),
            trades.text(0, TradeServer),
            trades.text(0, TradeType),
            labels.minPrice,
            labels.maxPrice,
            labels.minUnitPrice,
            labels.maxUnitPrice,
            labels.avgUnitPrice,
            TextBetween(labels.count, QString(), QStringLiteral("笔")),
            TextBetween(labels.total, QString(), QStringLiteral("元")),
            now};
}

void AddStatisticsRow(ReportModel& stats, const ReportModel& trades, const TradeSummary& labels,
                      const QString& now) {
    stats.insertRowAt(0, StatisticsRow(stats.rowCount(), trades, labels, now));
}

void SortStatisticsByColumn(ReportModel& stats, int column) {
    const QVector<int> rules = StatisticsSortRules();
    const int rule = (column >= 0 && column < rules.size()) ? rules[column] : SortText;
    SortReportList(stats, column, rule, false, true);
}

} // namespace ts
