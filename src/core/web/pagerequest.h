#pragma once
// PageRequest: the fetch every page reader uses (libcurl, fixed agent, default headers,
// 18-second time-outs, always from the origin server). Redirects are followed and the
// process-wide cookie store is used, as the platform's client did. Besides "http://"
// addresses and addresses without scheme, "https://" ones are accepted (port 443 by
// default); the named proxy serves http:// addresses only.

#include "web/requestoutcome.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <optional>

namespace ts {

constexpr qint64 kMaxReplyBytes = 32LL * 1024 * 1024;

// Every optional parameter of the request; in/out members are updated in place.
struct PageRequestArgs {
    QString method;               // in/out: "POST" (any case) sends a body; else becomes "GET"
    std::optional<QString> proxy; // when set (even empty), goes through HTTP proxy "http=" + proxy
    QString headers; // in/out: header lines each ending CR LF; on return, what was sent
    QByteArray body; // POST body
    bool wantRawHeaders = false;
    QString rawHeaders; // out: the reply's raw header block, lines separated by CR LF

    // Injectable for tests; the defaults are the program's.
    int timeoutMs = 18000;                    // connect, send and "no progress while receiving"
    qint64 maxBytes = kMaxReplyBytes;         // reply cap; a longer reply is cut and reported
    QByteArray fallbackCharset = "UTF-8";     // used when the reply declares no charset
    const std::atomic_bool* cancel = nullptr; // cooperative stop, checked during the transfer
};

struct PageReply {
    QByteArray bytes;   // body as received (partial after a time-out or the cap)
    QString text;       // body decoded (Content-Type or <meta> charset, else fallbackCharset)
    QByteArray charset; // charset declared in Content-Type, lower-case; empty when none
    RequestOutcome outcome;
};

PageReply PageRequestEx(const QString& address, PageRequestArgs& args);

// Address alone, every other argument at its default: the way every reader calls it.
QString PageRequest(const QString& address);
QByteArray PageRequestBytes(const QString& address);

// Address parts as the request uses them.
QString PageHost(const QString& address);
int PagePort(const QString& address);
QString PagePath(const QString& address);

} // namespace ts
