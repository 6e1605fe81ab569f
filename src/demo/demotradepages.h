#pragma once
// List pages of the sample market: completed trades of the exact form the row readers expect,
// mixed with rows that carry no completed-trade marker. Also used for test fixtures and
// benchmarks.

#include "web/sites.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ts {

struct DemoTradeRow {
    enum Kind { CurrencyWithVoucher, CurrencyWithoutVoucher, Goods, OnSale };
    Kind kind = Goods;
    QString path;      // trade page path, "/detail/....html"
    QString title;     // offer title
    QString linkText;  // the link's own text
    QString credit;    // credit level
    QString type;      // product type as the site writes it
    QString server;    // "game/region/server"
    QString price;     // "30.00元"
    QString perYuan;   // "1元=81.30金" (currency)
    QString unitPrice; // "0.0123元/金" (currency)
};

// One row piece, ending with "</tr>". OnSale rows have a buy button and no completed-trade
// marker; the other kinds carry their marker image from sites.dd373_images.
QString DemoTradeRowPiece(const DemoTradeRow& row, const Sites& sites);

// A whole list page: the item block holding the pieces, then `tail` (the text after the last
// "</tr>" inside the block), then the block's closing marker and the page footer.
QString DemoListPage(const QStringList& pieces, const QString& tail = QString());

// `count` completed trades (currency with and without voucher, or goods) with an on-sale row
// after every fourth, all derived deterministically from `seed`. `server` ("game/region/server")
// and the goods `typeName` are made up when empty.
QList<DemoTradeRow> DemoTradeRows(const QString& seed, bool currency, int count,
                                  const QString& server = QString(),
                                  const QString& typeName = QString());
QString DemoTradePage(const Sites& sites, const QString& seed, bool currency, int count,
                      const QString& server = QString(), const QString& typeName = QString());

} // namespace ts
