#pragma once
// One HTTP transfer on libcurl, shared by PageRequest and CookieRequest: the process-wide
// cookie store, the exact "no progress" time-out, the size cap, cancellation, the last
// reply's raw header block and what went wrong.

#include "web/requestoutcome.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <optional>

namespace ts::webdetail {

struct Transfer {
    QByteArray url;  // scheme://host:port/path, ready for the client
    QString host;    // for messages
    QByteArray verb; // as sent on the wire
    bool sendBody = false;
    QByteArray body;
    QByteArray userAgent;
    QList<QByteArray> headerLines; // each without its line break
    std::optional<QString> proxy;  // HTTP proxy for http:// addresses; unset: direct
    bool followRedirects = true;
    bool useCookieStore = true; // the process-wide store; off when the caller keeps cookies
    int timeoutMs = 18000;      // connect, and no progress while sending or receiving
    qint64 maxBytes = 32LL * 1024 * 1024;
    const std::atomic_bool* cancel = nullptr;
};

struct TransferResult {
    QByteArray body;        // what arrived (partial after a time-out, the cap or a stop)
    QByteArray rawHeaders;  // the last reply's header block, lines ending in CR LF
    QByteArray contentType; // the last reply's Content-Type
    RequestOutcome outcome;
};

TransferResult PerformTransfer(const Transfer& transfer);

// Header text split into lines at CR LF (a lone CR or LF also ends a line), empty lines
// dropped, ready to hand to the client as they are.
QList<QByteArray> HeaderLines(const QString& headerText);

// Whether host and port can be asked at all. Records the host in the outcome, and the address
// as its detail when it cannot (the outcome then stays SetupFailed).
bool UsableTarget(const QString& host, int port, const QString& address, RequestOutcome& outcome);

// scheme://host:port followed by the path; characters outside printable ASCII in the path
// are sent percent-encoded as UTF-8.
QByteArray BuildUrl(bool https, const QString& host, int port, const QString& path);

// The charset named by a Content-Type value, lower-case; empty when none.
QByteArray CharsetOf(const QByteArray& contentType);

// Raw header bytes as text (UTF-8 when valid, else byte for byte).
QString HeaderText(const QByteArray& raw);

} // namespace ts::webdetail
