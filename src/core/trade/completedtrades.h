#pragma once
// The completed-trade reader: from the text of one list page to the rows of 成交信息 and the
// price and unit-price texts behind the summary, and the summary itself.

#include "web/sites.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace ts {

// Columns of 成交信息.
enum CompletedTradeColumn {
    TradeNumber = 0,   // 序号
    TradeTitle = 1,    // 商品名称
    TradeServer = 2,   // 游戏区服
    TradeType = 3,     // 商品类型
    TradePrice = 4,    // 价格
    TradeUnit = 5,     // 单价 (game currency only)
    TradeUnitPer1 = 6, // 1元单价 (game currency only)
    TradeAddress = 7,  // 交易地址
    TradeColumnCount = 8
};
QStringList CompletedTradeTitles();
QVector<int> CompletedTradeWidths();

// The product type name that means game currency.
inline const QString kCurrencyTypeName = QStringLiteral("游戏币");
bool IsCurrencyType(const QString& productTypeName);

// The three row patterns, with the image host's address in their marker images.
QString CurrencyPatternWithVoucher(const Sites& sites);
QString CurrencyPatternWithoutVoucher(const Sites& sites);
QString GoodsPattern(const Sites& sites);

// The completed-trade marker of a kind (image host + marker image path).
QString CompletedTradeMarker(const Sites& sites, bool currency);

// One kept piece: its row of 成交信息 and the texts it adds to the hidden lists.
struct CompletedTradeRow {
    QStringList cells; // TradeColumnCount texts
    QString price;     // TextBetween(price, "", "元")
    QString unitPrice; // TextBetween(unit price, "", "元"); game currency only
};

// Reads one piece. Returns false (row untouched) when the piece has no completed-trade
// marker of its kind. A marked piece that the pattern does not match still gives a row with
// its number and the bare site address.
class CompletedTradeReader {
public:
    CompletedTradeReader(const Sites& sites, const QString& productTypeName);
    bool currency() const { return m_currency; }
    bool read(const QString& piece, int rowNumber, CompletedTradeRow* row) const;

private:
    QString m_site;
    bool m_currency;
    QString m_marker;
    QString m_withVoucher, m_withoutVoucher, m_goods;
};

struct CompletedTrades {
    bool currency = false;
    QVector<QStringList> rows; // 成交信息, in page order
    QStringList prices;        // 价格_隐
    QStringList unitPrices;    // 单价_隐 (game currency only)
};

// The pure reader: every examined piece of the page, in order.
CompletedTrades parseCompletedTrades(const QString& pageText, const QString& productTypeName,
                                     const Sites& sites);

// The captions of the seven summary labels, plus the running total behind the total.
struct TradeSummary {
    QString count;        // 标签_交易笔数: "3笔"
    QString total;        // 标签_交易总金额: "135.5 元", "0 元" for no prices
    QString minPrice;     // 标签_最低价
    QString maxPrice;     // 标签_最高价
    QString minUnitPrice; // 标签_最低单价
    QString maxUnitPrice; // 标签_最高单价
    QString avgUnitPrice; // 标签_平均单价
    QString runningTotal; // the price sum as text, empty when there are no prices
};

TradeSummary summarize(int rowCount, const QStringList& prices, const QStringList& unitPrices,
                       bool currency);
inline TradeSummary summarize(const CompletedTrades& trades) {
    return summarize(int(trades.rows.size()), trades.prices, trades.unitPrices, trades.currency);
}

// Pane 0 of the status bar after a query.
QString TradeSummaryLine(const QString& game, const QString& region, const QString& server,
                         const QString& type, const TradeSummary& summary);

// The query target caption: the four names joined by ">>".
QString QueryTargetText(const QString& game, const QString& region, const QString& server,
                        const QString& type);

} // namespace ts
