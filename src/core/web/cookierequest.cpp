#include "web/cookierequest.h"

#include "web/charsets.h"
#include "web/curltransfer.h"

#include <QSet>

namespace ts {

namespace {

using namespace webdetail;

const char kCookieAgent[] = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; 125LA; .NET CLR "
                            "2.0.50727; .NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";
const QString kCrLf = QStringLiteral("\r\n");

// The agent named by a "User-Agent:" line of the header text, else the default one.
QByteArray agentFrom(const QString& headers) {
    const QString marker = QStringLiteral("User-Agent:");
    const qsizetype at = headers.indexOf(marker, 0, Qt::CaseInsensitive);
    if (at < 0)
        return kCookieAgent;
    const qsizetype from = at + marker.size();
    const qsizetype end = headers.indexOf(kCrLf, from);
    const QString agent = headers.mid(from, end < 0 ? -1 : end - from).trimmed();
    return agent.isEmpty() ? QByteArray(kCookieAgent) : agent.toUtf8();
}

// Appends one line to a header text whose lines are joined by CR LF.
void appendLine(QString& headers, const QString& line) {
    headers += headers.isEmpty() ? line : kCrLf + line;
}

// Referer, Accept, Accept-Language, Content-Type and Cookie, each only when the text lacks
// the name (compared case-sensitively).
QString completedHeaders(QString headers, const QString& url, const QString& cookies) {
    if (!headers.contains(QStringLiteral("Referer:")))
        appendLine(headers, QStringLiteral("Referer: ") + url);
    if (!headers.contains(QStringLiteral("Accept:")))
        appendLine(headers, QStringLiteral("Accept: */*"));
    if (!headers.contains(QStringLiteral("Accept-Language:")))
        appendLine(headers, QStringLiteral("Accept-Language: zh-cn"));
    if (!headers.contains(QStringLiteral("Content-Type:")))
        appendLine(headers, QStringLiteral("Content-Type: application/x-www-form-urlencoded"));
    if (!cookies.isEmpty())
        appendLine(headers, QStringLiteral("Cookie: ") + cookies);
    return headers;
}

struct HeaderScan {
    QString location;
    QString newCookies;
};

// Location and Set-Cookie lines of the raw header text.
HeaderScan scanHeaders(const QString& raw) {
    HeaderScan scan;
    QStringList items;
    for (const QString& line : raw.split(kCrLf)) {
        if (line.contains(QStringLiteral("Location:")))
            scan.location = line.mid(line.indexOf(u':') + 1).trimmed();
        if (!line.contains(QStringLiteral("Set-Cookie")))
            continue;
        // name=value up to the first ";", or to the end of a line without attributes.
        QString item = QuotedTextBetween(line, QStringLiteral("Set-Cookie:"), QStringLiteral(";"));
        if (item.isEmpty()) {
            const qsizetype at =
                line.indexOf(QStringLiteral("Set-Cookie:"), 0, Qt::CaseInsensitive);
            if (at >= 0 && !line.contains(u';'))
                item = line.mid(at + 11);
        }
        item = item.trimmed();
        if (!item.isEmpty())
            items.append(item);
    }
    scan.newCookies = items.join(QStringLiteral("; "));
    return scan;
}

// The UTF-8 rule: "utf-8" (exact case) starting within the body's first 499 bytes, else
// "utf-8" anywhere in the raw headers ignoring case.
bool isUtf8Reply(const QByteArray& body, const QByteArray& rawHeaders) {
    const qsizetype at = body.left(499 + 4).indexOf("utf-8");
    if (at >= 0 && at < 499)
        return true;
    return rawHeaders.toLower().contains("utf-8");
}

QString cookieName(const QString& item) {
    const qsizetype eq = item.indexOf(u'=');
    return (eq < 0 ? item : item.left(eq)).trimmed();
}

} // namespace

QString UrlHost(const QString& url, bool reduceToDomain, bool keepPort) {
    QString u = url.toLower();
    if (!u.endsWith(u'/'))
        u += u'/';
    if (!u.startsWith(QStringLiteral("https://")) && !u.contains(QStringLiteral("http://")))
        u.prepend(QStringLiteral("http://"));
    const QString prefix = u.startsWith(QStringLiteral("https://")) ? QStringLiteral("https://")
                                                                    : QStringLiteral("http://");
    const qsizetype from = u.indexOf(prefix) + prefix.size();
    QString host = u.mid(from, u.indexOf(u'/', from) - from);
    if (reduceToDomain) {
        const QStringList labels = host.split(u'.');
        if (labels.size() > 1)
            host = labels[labels.size() - 2] + u'.' + labels.last();
    }
    if (!keepPort) {
        const qsizetype colon = host.indexOf(u':');
        if (colon >= 0)
            host.truncate(colon);
    }
    return host;
}

int UrlPort(const QString& url) {
    const QString hostPort = UrlHost(url, false, true);
    const qsizetype colon = hostPort.lastIndexOf(u':');
    if (colon < 0)
        return url.toLower().startsWith(QStringLiteral("https")) ? 443 : 80;
    return hostPort.mid(colon + 1).toInt();
}

QString UrlPath(const QString& url) {
    const QString host = UrlHost(url);
    const qsizetype schemeEnd = url.indexOf(QStringLiteral("://"));
    const qsizetype at = url.indexOf(host, schemeEnd < 0 ? 0 : schemeEnd + 3, Qt::CaseInsensitive);
    const qsizetype slash = url.indexOf(u'/', qMax<qsizetype>(at, 0) + host.size());
    return slash < 0 ? QStringLiteral("/") : url.mid(slash);
}

QString QuotedTextBetween(const QString& text, const QString& left, const QString& right, int start,
                          bool caseSensitive) {
    const QString quote = QStringLiteral("\"");
    const QString l = QString(left).replace(QStringLiteral("#引号"), quote);
    const QString r = QString(right).replace(QStringLiteral("#引号"), quote);
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const qsizetype at = text.indexOf(l, qMax(start, 1) - 1, cs);
    if (at < 0)
        return {};
    const qsizetype from = at + l.size();
    const qsizetype end = text.indexOf(r, from, cs);
    return end < 0 ? QString() : text.mid(from, end - from);
}

void MergeCookies(QString& cookies, QString& newCookies) {
    cookies.remove(u' ');
    newCookies.remove(u' ');
    QStringList merged = newCookies.split(u';', Qt::SkipEmptyParts);
    QSet<QString> names;
    for (const QString& item : merged)
        names.insert(cookieName(item));
    for (const QString& item : cookies.split(u';', Qt::SkipEmptyParts)) {
        const QString name = cookieName(item);
        if (!names.contains(name)) {
            merged.append(item);
            names.insert(name);
        }
    }
    QStringList kept;
    for (const QString& item : merged)
        if (!item.endsWith(QStringLiteral("=deleted")) && !kept.contains(item))
            kept.append(item);
    cookies = kept.join(QStringLiteral("; "));
}

CookieReply CookieRequestEx(const QString& url, CookieRequestArgs& args) {
    CookieReply reply;
    const QString host = UrlHost(url);
    const int port = UrlPort(url);
    if (!UsableTarget(host, port, url, reply.outcome))
        return reply;
    const bool https = url.left(5).toLower() == QStringLiteral("https");
    const bool post = args.method == 1;
    const QByteArray agent = agentFrom(args.headers);
    args.headers = completedHeaders(args.headers, url, args.cookies.value_or(QString()));
    if (post && args.postBytes.isEmpty())
        args.postBytes = args.postText.toUtf8();

    Transfer t;
    t.url = BuildUrl(https, host, port, UrlPath(url));
    t.host = host;
    t.verb = post ? "POST" : "GET";
    t.sendBody = post;
    t.body = args.postBytes;
    t.userAgent = agent;
    t.headerLines = HeaderLines(args.headers);
    t.proxy = args.proxy;
    t.followRedirects = !args.noRedirect;
    t.useCookieStore = !args.cookies.has_value();
    t.timeoutMs = args.timeoutMs;
    t.maxBytes = args.maxBytes;
    t.cancel = args.cancel;
    const TransferResult r = PerformTransfer(t);

    args.rawHeaders = HeaderText(r.rawHeaders);
    const HeaderScan scan = scanHeaders(args.rawHeaders);
    args.newCookies = scan.newCookies;
    if (args.cookies)
        MergeCookies(*args.cookies, args.newCookies);
    args.location = scan.location.isEmpty() ? args.rawHeaders : scan.location;
    reply.utf8 = isUtf8Reply(r.body, r.rawHeaders);
    reply.text = reply.utf8 ? Utf8ToGbk(r.body) : DecodeBody(r.body, "GBK");
    reply.outcome = r.outcome;
    return reply;
}

QString CookieRequest(const QString& url) {
    CookieRequestArgs args;
    return CookieRequestEx(url, args).text;
}

} // namespace ts
