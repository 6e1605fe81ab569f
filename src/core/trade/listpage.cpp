#include "trade/listpage.h"

#include "web/textrules.h"

namespace ts {

QString ListPageAddress(const Sites& sites, const QString& g, const QString& r, const QString& s,
                        const QString& t, const QString& n, const QString& o) {
    return sites.dd373 + QStringLiteral("/list/") + g + u'-' + r + u'-' + s + u'-' + t +
           QStringLiteral("-0-0-0-") + n + u'-' + o + QStringLiteral("-0-0-0-0-0-0-0.html");
}

bool HasListBlock(const QString& page) {
    const QString left = QString::fromUtf16(kListBlockLeft);
    const qsizetype at = page.indexOf(left);
    return at >= 0 && page.indexOf(QString::fromUtf16(kListBlockRight), at + left.size()) >= 0;
}

QStringList ListRowPieces(const QString& page) {
    const QString block =
        TextBetween(page, QString::fromUtf16(kListBlockLeft), QString::fromUtf16(kListBlockRight));
    QStringList pieces = SplitText(block, QStringLiteral("</tr>"));
    if (!pieces.isEmpty())
        pieces.removeLast();
    return pieces;
}

QString PatternLine(int blanks, const QString& text) {
    return QString(blanks, u' ') + text;
}

QStringList RowPatternHead() {
    return {
        PatternLine(32, QStringLiteral("<a target=\"_blank\" href=\"(.*?)\" title=\"(.*?)\">")),
        PatternLine(36, QStringLiteral("(.*?)</a><br />")),
        PatternLine(32, QString()),
        PatternLine(32, QStringLiteral("<a class=\"staticfont\">信用等级：</a>(.*?)<br />")),
        PatternLine(32, QStringLiteral("<a class=\"staticfont\">物品种类：</a>(.*?)<br />")),
        PatternLine(32, QStringLiteral("<a class=\"staticfont\">游戏/区/服：</a>(.*?)")),
        PatternLine(28, QStringLiteral("</td>")),
        PatternLine(28, QStringLiteral("<td width=\"100\" align=\"center\">")),
        PatternLine(32, QStringLiteral("<span class=\"strongSTR\">")),
        PatternLine(36, QStringLiteral("(.*?)</span>")),
        PatternLine(28, QStringLiteral("</td>")),
        PatternLine(28, QStringLiteral("<td width=\"80\" align=\"center\">")),
    };
}

QString JoinPatternLines(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace ts
