#pragma once
// What happened to one HTTP request, so callers can say what failed.

#include <QString>

namespace ts {

struct RequestOutcome {
    enum Kind {
        Ok,            // a reply with status < 400 arrived in full
        SetupFailed,   // the request could not be set up (bad address, no client)
        ConnectFailed, // no connection to the host
        TimedOut,      // no progress for the time-out; the body holds what arrived
        HttpError,     // status >= 400; the body holds the error page
        Truncated,     // the reply exceeded the size cap and was cut off
        TooManyRedirects,
        Cancelled,     // a cooperative stop ended the transfer
        TransferFailed // any other transfer error
    };
    Kind kind = SetupFailed;
    int httpStatus = 0;    // 0 when no status line arrived
    QString host;          // the host asked, for messages
    QString detail;        // the client's own error text, if any
    int clientCode = 0;    // the HTTP client's error code (CURLcode), 0 when none
    qint64 limitBytes = 0; // the size cap, for Truncated

    bool ok() const { return kind == Ok; }
    // A short Chinese description for state texts, e.g. "无法连接 www.example.com（超时）";
    // the empty text for Ok.
    QString describe() const;
};

} // namespace ts
