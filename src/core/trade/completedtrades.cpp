#include "trade/completedtrades.h"

#include "tables/sortreportlist.h"
#include "trade/listpage.h"
#include "web/patternmatcher.h"
#include "web/textrules.h"

namespace ts {

namespace {

const QString kVoucher = QStringLiteral("可使用抵用券");
const QString kCurrencyMarkerPath = QStringLiteral("/Content/styles/images/buyfinsh.jpg");
const QString kGoodsMarkerPath = QStringLiteral("/content/styles/images/jywc.gif");

// The currency pattern; without the voucher, H4 reads the credit level up to the line end and
// the voucher line with the blank line after it is left out.
QString CurrencyPattern(const Sites& sites, bool voucher) {
    QStringList lines = RowPatternHead();
    if (!voucher)
        lines[3] = PatternLine(32, QStringLiteral("<a class=\"staticfont\">信用等级：(.*?)"));
    lines << PatternLine(28, QStringLiteral("<a class=\"staticfont\">"))
          << PatternLine(34, QStringLiteral("0</a>")) << PatternLine(32, QString())
          << PatternLine(28, QStringLiteral("</td>"))
          << PatternLine(28, QStringLiteral("<td width=\"120\" align=\"center\">"))
          << PatternLine(32, QString());
    if (voucher)
        lines << PatternLine(32, QStringLiteral("<span>可使用抵用券</span>"))
              << PatternLine(32, QString());
    lines << PatternLine(28, QStringLiteral("</td>")) << PatternLine(28, QString())
          << PatternLine(28, QStringLiteral("<td width=\"150\" align=\"center\" class=\"buyimg\">"))
          << QString(8, u'\t') + QStringLiteral("<a class=\"staticfont\">")
          << PatternLine(32, QStringLiteral("(.*?)</a>"))
          << PatternLine(32, QStringLiteral("<br />"))
          << PatternLine(32, QStringLiteral("<a class=\"staticfont\">"))
          << PatternLine(36, QStringLiteral("(.*?)</a>"))
          << PatternLine(32, QStringLiteral("<br />"))
          << PatternLine(32, QStringLiteral("<a style=\"margin-top:-6px;\"><img src=\"") +
                                 sites.dd373_images + kCurrencyMarkerPath +
                                 QStringLiteral("\" /></a>"))
          << PatternLine(28, QStringLiteral("</td>"));
    return JoinPatternLines(lines);
}

} // namespace

QStringList CompletedTradeTitles() {
    return {QStringLiteral("序号"),     QStringLiteral("商品名称"), QStringLiteral("游戏区服"),
            QStringLiteral("商品类型"), QStringLiteral("价格"),     QStringLiteral("单价"),
            QStringLiteral("1元单价"),  QStringLiteral("交易地址")};
}

QVector<int> CompletedTradeWidths() {
    return {40, 250, 100, 70, 70, 80, 80, 200};
}

bool IsCurrencyType(const QString& productTypeName) {
    return productTypeName == kCurrencyTypeName;
}

QString CurrencyPatternWithVoucher(const Sites& sites) {
    return CurrencyPattern(sites, true);
}

QString CurrencyPatternWithoutVoucher(const Sites& sites) {
    return CurrencyPattern(sites, false);
}

QString GoodsPattern(const Sites& sites) {
    QStringList lines = RowPatternHead();
    lines << PatternLine(28, QString())
          << PatternLine(35, QStringLiteral("<a  style=\"margin-top: -6px;\">"))
          << PatternLine(36, QStringLiteral("<img src=\"") + sites.dd373_images + kGoodsMarkerPath +
                                 QStringLiteral("\" /></a>"));
    return JoinPatternLines(lines);
}

QString CompletedTradeMarker(const Sites& sites, bool currency) {
    return sites.dd373_images + (currency ? kCurrencyMarkerPath : kGoodsMarkerPath);
}

CompletedTradeReader::CompletedTradeReader(const Sites& sites, const QString& productTypeName)
    : m_site(sites.dd373), m_currency(IsCurrencyType(productTypeName)),
      m_marker(CompletedTradeMarker(sites, m_currency)) {
    if (m_currency) {
        m_withVoucher = CurrencyPatternWithVoucher(sites);
        m_withoutVoucher = CurrencyPatternWithoutVoucher(sites);
    } else {
        m_goods = GoodsPattern(sites);
    }
}

bool CompletedTradeReader::read(const QString& piece, int rowNumber, CompletedTradeRow* row) const {
    if (!piece.contains(m_marker, Qt::CaseSensitive))
        return false;
    const QString& pattern =
        !m_currency ? m_goods : (piece.contains(kVoucher) ? m_withVoucher : m_withoutVoucher);
    PatternMatcher matcher;
    matcher.MatchAll(pattern, piece);
    auto g = [&matcher](int group) { return matcher.GroupText(1, group); };

    row->cells = QStringList(TradeColumnCount, QString());
    row->cells[TradeNumber] = QString::number(rowNumber);
    row->cells[TradeTitle] = g(2);
    row->cells[TradeServer] = g(6);
    row->cells[TradeType] = g(5);
    row->cells[TradePrice] = g(7);
    row->cells[TradeAddress] = m_site + g(1);
    row->price = TextBetween(g(7), QString(), QStringLiteral("元"));
    row->unitPrice.clear();
    if (m_currency) {
        row->cells[TradeUnit] = g(9);
        row->cells[TradeUnitPer1] = g(8);
        row->unitPrice = TextBetween(g(9), QString(), QStringLiteral("元"));
    }
    return true;
}

CompletedTrades parseCompletedTrades(const QString& pageText, const QString& productTypeName,
                                     const Sites& sites) {
    const CompletedTradeReader reader(sites, productTypeName);
    CompletedTrades out;
    out.currency = reader.currency();
    CompletedTradeRow row;
    for (const QString& piece : ListRowPieces(pageText)) {
        if (!reader.read(piece, int(out.rows.size()) + 1, &row))
            continue;
        out.rows.append(row.cells);
        out.prices.append(row.price);
        if (out.currency)
            out.unitPrices.append(row.unitPrice);
    }
    return out;
}

TradeSummary summarize(int rowCount, const QStringList& prices, const QStringList& unitPrices,
                       bool currency) {
    TradeSummary s;
    s.count = QString::number(rowCount) + QStringLiteral("笔");
    s.runningTotal = RunningSum(prices);
    s.total =
        (s.runningTotal.isEmpty() ? QStringLiteral("0") : s.runningTotal) + QStringLiteral(" 元");
    if (!prices.isEmpty()) {
        const QVector<int> order = SortOrder(prices, SortNumber);
        s.minPrice = prices[order.first()];
        s.maxPrice = prices[order.last()];
    }
    if (currency && !unitPrices.isEmpty()) {
        const QString unitTotal = RunningSum(unitPrices);
        const QVector<int> order = SortOrder(unitPrices, SortNumber);
        s.minUnitPrice = unitPrices[order.first()];
        s.maxUnitPrice = unitPrices[order.last()];
        s.avgUnitPrice =
            NumberToText(RoundHalfAway(TextToNumber(unitTotal) / double(unitPrices.size()), 3));
    }
    return s;
}

QString TradeSummaryLine(const QString& game, const QString& region, const QString& server,
                         const QString& type, const TradeSummary& summary) {
    return game + QStringLiteral(" >> ") + region + QStringLiteral(" >> ") + server +
           QStringLiteral(" >> ") + type + QStringLiteral("   ") + summary.count +
           QStringLiteral(" 定单     统计交易额为：  ") + summary.runningTotal +
           QStringLiteral("  元");
}

QString QueryTargetText(const QString& game, const QString& region, const QString& server,
                        const QString& type) {
    return game + QStringLiteral(">>") + region + QStringLiteral(">>") + server +
           QStringLiteral(">>") + type;
}

} // namespace ts
