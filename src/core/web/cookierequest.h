#pragma once
// CookieRequest: the catalogue's fetch, with its own headers, cookie handling and UTF-8
// detection (a reply that is not UTF-8 is decoded as GBK). The client's own cookie store is
// one process-wide store shared by all threads.

#include "web/requestoutcome.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <optional>

namespace ts {

struct CookieRequestArgs {
    int method = 0;                 // 0: GET without body; 1: POST with body
    QString postText;               // body when postBytes is empty
    std::optional<QString> cookies; // in/out: when set (even empty) the caller manages cookies
    QString newCookies;             // out: name=value items of the reply's Set-Cookie lines
    QString headers;                // in/out: extra lines joined by CR LF, no final CR LF
    QString location;               // out: redirect target, or the raw header text
    bool noRedirect = false;
    QByteArray postBytes;         // in/out
    std::optional<QString> proxy; // when set (even empty): HTTP proxy "http=" + proxy
    QString rawHeaders;           // out

    int timeoutMs = 18000; // no progress for this long ends the request (client default)
    qint64 maxBytes = 32LL * 1024 * 1024;
    const std::atomic_bool* cancel = nullptr;
};

struct CookieReply {
    QString text;      // the body decoded (UTF-8 when detected, else GBK)
    bool utf8 = false; // the UTF-8 rule held
    RequestOutcome outcome;
};

CookieReply CookieRequestEx(const QString& url, CookieRequestArgs& args);

// URL alone: GET, default headers, the process-wide cookie store, redirects followed.
QString CookieRequest(const QString& url);

QString UrlHost(const QString& url, bool reduceToDomain = false, bool keepPort = false);
int UrlPort(const QString& url);
QString UrlPath(const QString& url);
QString QuotedTextBetween(const QString& text, const QString& left, const QString& right,
                          int start = 1, bool caseSensitive = false);
// Merges newCookies into cookies (both in/out), as the reply's Set-Cookie lines update them.
void MergeCookies(QString& cookies, QString& newCookies);

} // namespace ts
