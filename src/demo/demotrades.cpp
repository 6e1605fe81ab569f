#include "demo/demodata.h"
#include "demo/demomarket.h"
#include "demo/demotradepages.h"
#include "trade/completedtrades.h"
#include "trade/listpage.h"

#include <QRegularExpression>

namespace ts {

namespace {

// Fills the groups "(.*?)" of a row pattern with values, in order: the page text that the
// pattern reads back.
QString FillPattern(const QString& pattern, const QStringList& values) {
    const QStringList parts = pattern.split(QStringLiteral("(.*?)"));
    QString out = parts.first();
    for (int i = 1; i < parts.size(); ++i)
        out += values.value(i - 1) + parts[i];
    return out;
}

// Deterministic numbers from a seed text (FNV-1a, then a linear congruential generator).
class DemoRandom {
public:
    explicit DemoRandom(const QString& seed) {
        quint32 h = 2166136261u;
        for (QChar c : seed) {
            h ^= c.unicode();
            h *= 16777619u;
        }
        m_state = h;
    }
    int below(int n) {
        m_state = m_state * 1664525u + 1013904223u;
        return int((m_state >> 8) % quint32(n));
    }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }

private:
    quint32 m_state;
};

QString Money(int cents) {
    return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

// "game/region/server" and the product type name of the sample catalogue's identifiers
// (left empty when unknown).
void DemoNames(const QStringList& ids, QString* server, QString* typeName) {
    for (const DemoGame& game : DemoGames()) {
        if (game.entry.id != ids.value(0))
            continue;
        QString region, serverName;
        for (const DemoRegion& r : game.regions) {
            if (r.entry.id == ids.value(1))
                region = r.entry.name;
            for (const DemoEntry& s : r.servers)
                if (s.id == ids.value(2))
                    serverName = s.name;
        }
        for (const DemoEntry& t : game.types)
            if (t.id == ids.value(3))
                *typeName = t.name;
        *server = game.entry.name + u'/' + region + u'/' + serverName;
    }
}

} // namespace

QString DemoTradeRowPiece(const DemoTradeRow& row, const Sites& sites) {
    const QString open = QStringLiteral("\r\n                        <tr>\r\n"
                                        "                            <td width=\"330\">\r\n");
    QString body;
    switch (row.kind) {
    case DemoTradeRow::CurrencyWithVoucher:
        body = FillPattern(CurrencyPatternWithVoucher(sites),
                           {row.path, row.title, row.linkText, row.credit, row.type, row.server,
                            row.price, row.perYuan, row.unitPrice});
        break;
    case DemoTradeRow::CurrencyWithoutVoucher:
        body = FillPattern(CurrencyPatternWithoutVoucher(sites),
                           {row.path, row.title, row.linkText, row.credit, row.type, row.server,
                            row.price, row.perYuan, row.unitPrice});
        break;
    case DemoTradeRow::Goods:
        body = FillPattern(GoodsPattern(sites), {row.path, row.title, row.linkText, row.credit,
                                                 row.type, row.server, row.price});
        break;
    case DemoTradeRow::OnSale: {
        // An offer still on sale: the same head, a buy button instead of a marker image.
        QStringList lines = RowPatternHead();
        lines << PatternLine(28, QString())
              << PatternLine(32, QStringLiteral("<a class=\"buybtn\" href=\"") + row.path +
                                     QStringLiteral("\"><img src=\"") + sites.dd373_images +
                                     QStringLiteral("/Content/styles/images/ljgm.gif\" /></a>"));
        body = FillPattern(JoinPatternLines(lines), {row.path, row.title, row.linkText, row.credit,
                                                     row.type, row.server, row.price});
        break;
    }
    }
    return open + body +
           QStringLiteral("\r\n                            </td>\r\n"
                          "                        </tr>");
}

QString DemoListPage(const QStringList& pieces, const QString& tail) {
    QString page =
        QStringLiteral("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\" />\r\n"
                       "<title>DD373 商品列表</title>\r\n</head>\r\n<body>\r\n"
                       "<div class=\"SLItem\">\r\n                    <table class=\"SLTable\">\r\n"
                       "                        <tr class=\"head\"><th>商品名称</th><th>价格</th>"
                       "<th>数量</th><th>单价</th><th>操作</th></tr>");
    for (const QString& piece : pieces)
        page += piece;
    page += tail;
    page += QStringLiteral("\r\n                    </table>\r\n</div>\r\n"
                           "<div class=\"footer\">DD373寄售交易，快速发货，安全有保障</div>\r\n"
                           "</body>\r\n</html>\r\n");
    return page;
}

QList<DemoTradeRow> DemoTradeRows(const QString& seed, bool currency, int count,
                                  const QString& serverText, const QString& typeName) {
    static const QStringList goodsTitles = {
        QStringLiteral("屠龙宝刀 +12 附带火属性"), QStringLiteral("天蚕宝甲 完美品质"),
        QStringLiteral("赤兔坐骑 永久"),           QStringLiteral("满级战士账号 全套装备"),
        QStringLiteral("稀有宠物 九尾灵狐"),       QStringLiteral("强化石 x200"),
        QStringLiteral("Legend Bow of Dawn"),      QStringLiteral("代练 30-60级 三天完成")};
    static const QStringList goodsTypes = {QStringLiteral("装备"), QStringLiteral("账号"),
                                           QStringLiteral("道具"), QStringLiteral("代练")};
    DemoRandom rnd(seed);
    const QStringList ids = seed.split(u'-');
    const QString server = !serverText.isEmpty() ? serverText
                                                 : QStringLiteral("%1/%2/%3")
                                                       .arg(ids.value(0, QStringLiteral("demo")),
                                                            ids.value(1, QStringLiteral("0")),
                                                            ids.value(2, QStringLiteral("0")));
    QList<DemoTradeRow> rows;
    for (int i = 0; i < count; ++i) {
        DemoTradeRow r;
        r.path = QStringLiteral("/detail/%1-%2.html").arg(rnd.between(100000, 999999)).arg(i);
        r.server = server;
        r.credit = QStringLiteral("%1级").arg(rnd.between(1, 9));
        if (currency) {
            const int goldPerYuanCents = rnd.between(5000, 15000); // 50.00 .. 150.00
            const int yuan = rnd.between(10, 500);
            const int gold = yuan * goldPerYuanCents / 100;
            r.kind = rnd.below(3) == 0 ? DemoTradeRow::CurrencyWithVoucher
                                       : DemoTradeRow::CurrencyWithoutVoucher;
            if (r.kind == DemoTradeRow::CurrencyWithoutVoucher)
                r.credit = QStringLiteral("<img src=\"/Content/styles/images/xy%1.gif\" /></a>")
                               .arg(rnd.between(1, 9));
            r.title = QStringLiteral("%1金 = %2元 极速发货").arg(gold).arg(yuan);
            r.linkText = QStringLiteral("%1金").arg(gold);
            r.type = kCurrencyTypeName;
            r.price = QStringLiteral("%1.00元").arg(yuan);
            r.perYuan = QStringLiteral("1元=%1金").arg(Money(goldPerYuanCents));
            r.unitPrice = QString::asprintf("%.4f", 100.0 / double(goldPerYuanCents)) +
                          QStringLiteral("元/金");
        } else {
            r.kind = DemoTradeRow::Goods;
            r.title = goodsTitles[rnd.below(int(goodsTitles.size()))];
            r.linkText = r.title;
            r.type = !typeName.isEmpty() ? typeName : goodsTypes[rnd.below(int(goodsTypes.size()))];
            r.price = Money(rnd.between(500, 200000)) + QStringLiteral("元");
        }
        rows << r;
        if (i % 4 == 3) {
            DemoTradeRow sale = r;
            sale.kind = DemoTradeRow::OnSale;
            sale.path =
                QStringLiteral("/detail/%1-s%2.html").arg(rnd.between(100000, 999999)).arg(i);
            rows << sale;
        }
    }
    return rows;
}

QString DemoTradePage(const Sites& sites, const QString& seed, bool currency, int count,
                      const QString& server, const QString& typeName) {
    QStringList pieces;
    for (const DemoTradeRow& row : DemoTradeRows(seed, currency, count, server, typeName))
        pieces << DemoTradeRowPiece(row, sites);
    return DemoListPage(pieces, QStringLiteral("\r\n                        <tr class=\"pager\">"
                                               "<td colspan=\"5\">共 1 页</td>"));
}

void InstallDemoTradePages(httplib::Server& server, const QString& base) {
    const Sites sites = Sites::allAt(base);
    server.Get(R"(/list/(.*)\.html)", [sites](const httplib::Request& req, httplib::Response& res) {
        // G-R-S-T-0-0-0-N-O-0-0-0-0-0-0-0
        const QString ids = QString::fromStdString(req.matches[1].str());
        const QStringList parts = ids.split(u'-');
        if (parts.size() < 4) {
            res.status = 404;
            res.set_content("not found", "text/plain");
            return;
        }
        const QString seed = parts.mid(0, 4).join(u'-');
        const bool currency = IsDemoCurrencyType(parts[3]);
        DemoRandom rnd(seed);
        QString server, typeName;
        DemoNames(parts, &server, &typeName);
        const QString page =
            DemoTradePage(sites, seed, currency, rnd.between(24, 60), server, typeName);
        res.set_content(page.toStdString(), "text/html; charset=utf-8");
    });
}

} // namespace ts
