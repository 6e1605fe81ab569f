#include "web/pagerequest.h"

#include "web/charsets.h"
#include "web/curltransfer.h"

#include <cctype>

namespace ts {

namespace {

using namespace webdetail;

const char kPageAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
const char kPageAccept[] =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";

// The scheme prefix the address starts with ("http://" or "https://", any case), or "".
QString schemePrefix(const QString& address) {
    for (const char* p : {"http://", "https://"})
        if (address.startsWith(QLatin1String(p), Qt::CaseInsensitive))
            return QLatin1String(p);
    return {};
}

// Host and port as written in the address, before any path.
QString hostAndPort(const QString& address) {
    const QString rest = address.mid(schemePrefix(address).size());
    const qsizetype slash = rest.indexOf(u'/');
    return slash < 0 ? rest : rest.left(slash);
}

// The leading decimal digits of a text as a number (atoi), 0 when there are none.
int leadingInt(const QString& text) {
    qint64 n = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9' || n > 100000)
            break;
        n = n * 10 + c.digitValue();
    }
    return int(n);
}

// The three default lines, each only when the caller's text lacks it (ignoring case).
QString completedHeaders(QString headers, const QString& address) {
    if (!headers.isEmpty() && !headers.endsWith(QStringLiteral("\r\n")))
        headers += QStringLiteral("\r\n");
    if (!headers.contains(QStringLiteral("Accept: "), Qt::CaseInsensitive))
        headers += QLatin1String(kPageAccept);
    if (!headers.contains(QStringLiteral("Referer: "), Qt::CaseInsensitive))
        headers += QStringLiteral("Referer: ") + address + QStringLiteral("\r\n");
    if (!headers.contains(QStringLiteral("Accept-Language: "), Qt::CaseInsensitive))
        headers += QStringLiteral("Accept-Language: zh-cn\r\n");
    return headers;
}

// A charset named in a <meta> tag near the start of an HTML body, lower-case.
QByteArray metaCharset(const QByteArray& body) {
    const QByteArray head = body.left(2048).toLower();
    const qsizetype at = head.indexOf("charset=");
    if (at < 0 || head.lastIndexOf("<meta", at) < 0)
        return {};
    qsizetype from = at + 8;
    while (from < head.size() && (head[from] == '"' || head[from] == '\''))
        ++from;
    qsizetype to = from;
    while (to < head.size() &&
           (std::isalnum(uchar(head[to])) || head[to] == '-' || head[to] == '_'))
        ++to;
    return head.mid(from, to - from);
}

} // namespace

QString PageHost(const QString& address) {
    QString host = hostAndPort(address);
    const qsizetype colon = host.indexOf(u':');
    if (colon >= 0)
        host.truncate(colon);
    return host.toLower();
}

int PagePort(const QString& address) {
    const QString hp = hostAndPort(address);
    const qsizetype colon = hp.indexOf(u':');
    if (colon < 0)
        return schemePrefix(address).size() == 8 ? 443 : 80;
    return leadingInt(hp.mid(colon + 1));
}

QString PagePath(const QString& address) {
    // The host is looked for behind the scheme, so a host like "p" is not found in "http".
    const QString host = PageHost(address);
    const qsizetype at = address.indexOf(host, schemePrefix(address).size(), Qt::CaseInsensitive);
    const qsizetype slash = address.indexOf(u'/', qMax<qsizetype>(at, 0) + host.size());
    return slash < 0 ? QStringLiteral("/") : address.mid(slash);
}

PageReply PageRequestEx(const QString& address, PageRequestArgs& args) {
    PageReply reply;
    const QString host = PageHost(address);
    const int port = PagePort(address);
    if (!UsableTarget(host, port, address, reply.outcome))
        return reply;
    const bool https = schemePrefix(address).size() == 8;
    const bool post = args.method.toUpper() == QStringLiteral("POST");
    if (!post)
        args.method = QStringLiteral("GET");

    QString headers = completedHeaders(args.headers, address);
    if (post && !args.body.isEmpty())
        headers += QStringLiteral("Content-Type: application/x-www-form-urlencoded\r\n"
                                  "Content-Length: %1\r\n")
                       .arg(args.body.size());
    args.headers = headers;

    Transfer t;
    t.url = BuildUrl(https, host, port, PagePath(address));
    t.host = host;
    // A method written "post" is a POST: HTTP methods are case-sensitive on the wire.
    t.verb = post ? "POST" : "GET";
    t.sendBody = post; // an empty body goes out as "Content-Length: 0"
    t.body = args.body;
    t.userAgent = kPageAgent;
    t.headerLines = HeaderLines(headers);
    t.proxy = args.proxy;
    t.timeoutMs = args.timeoutMs;
    t.maxBytes = args.maxBytes;
    t.cancel = args.cancel;
    TransferResult r = PerformTransfer(t);

    if (args.wantRawHeaders)
        args.rawHeaders = HeaderText(r.rawHeaders);
    reply.charset = CharsetOf(r.contentType);
    const QByteArray declared = reply.charset.isEmpty() ? metaCharset(r.body) : reply.charset;
    reply.text = DecodeBody(r.body, declared, args.fallbackCharset);
    reply.bytes = std::move(r.body);
    reply.outcome = r.outcome;
    return reply;
}

QString PageRequest(const QString& address) {
    PageRequestArgs args;
    return PageRequestEx(address, args).text;
}

QByteArray PageRequestBytes(const QString& address) {
    PageRequestArgs args;
    return PageRequestEx(address, args).bytes;
}

} // namespace ts
