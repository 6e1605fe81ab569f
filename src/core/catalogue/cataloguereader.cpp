#include "catalogue/cataloguereader.h"

#include "web/cookierequest.h"
#include "web/patternmatcher.h"

#include <QUrl>

namespace ts {

QString CataloguePattern() {
    return QString::fromUtf8(
        R"re("GUID":"(.*?)","GameName":"(.*?)","GameShort":"(.*?)","NameShort":"(.*?)","GameIdentify":"(.*?)","ParentID)re");
}

QList<CatalogueEntry> parseCatalogue(const QString& replyText) {
    QList<CatalogueEntry> entries;
    PatternMatcher matcher;
    if (!matcher.MatchAll(CataloguePattern(), replyText))
        return entries;
    const int n = matcher.MatchCount();
    entries.reserve(n);
    for (int i = 1; i <= n; ++i)
        entries.append({matcher.GroupText(i, 2), matcher.GroupText(i, 1), matcher.GroupText(i, 5)});
    return entries;
}

bool LooksLikeCatalogueJson(const QString& replyText) {
    const QString t = replyText.trimmed();
    return t.startsWith(QLatin1Char('[')) || t.startsWith(QLatin1Char('{'));
}

QString CatalogueAddress(const Sites& sites, CatalogueCase level, const QString& parentGuid) {
    return sites.dd373 + QStringLiteral("/sell/GetGame?gCase=") +
           QString::number(static_cast<int>(level)) + QStringLiteral("&pID=") +
           QString::fromLatin1(QUrl::toPercentEncoding(parentGuid));
}

CatalogueResult FetchCatalogue(const Sites& sites, CatalogueCase level, const QString& parentGuid,
                               const std::atomic_bool* cancel) {
    CatalogueResult result;
    if (!IsSiteAddress(sites.dd373)) {
        result.error = QStringLiteral("没有设置 DD373 网站地址");
        return result;
    }
    CookieRequestArgs args;
    args.cancel = cancel;
    const CookieReply reply = CookieRequestEx(CatalogueAddress(sites, level, parentGuid), args);
    if (!reply.outcome.ok()) {
        result.error = reply.outcome.describe();
        return result;
    }
    result.entries = parseCatalogue(reply.text);
    if (result.entries.isEmpty() && !LooksLikeCatalogueJson(reply.text)) {
        result.error = reply.text.trimmed().isEmpty()
                           ? QStringLiteral("目录服务的回复是空的")
                           : QStringLiteral("目录服务的回复不是目录数据");
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace ts
