#pragma once
// FixtureServer: the tests' web server on 127.0.0.1 at a free port, inside the test process.
// Serves fixed bodies (UTF-8 or GBK), sets headers and cookies, redirects, answers with error
// statuses, stalls mid-body, and counts and records the requests it got.

#include "demo/localserver.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <atomic>
#include <functional>

namespace tstest {

struct RecordedRequest {
    QByteArray method;
    QByteArray path; // path with query, as sent
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;    // in the order received
    QByteArray header(const QByteArray& name) const; // first value, name compared ignoring case
    int headerCount(const QByteArray& name) const;
};

struct FixtureReply {
    int status = 200;
    QByteArray body;
    QByteArray contentType = "text/html; charset=utf-8";
    QList<QPair<QByteArray, QByteArray>> headers; // extra headers (Set-Cookie, Location, ...)
    // When > 0: send this many bytes of the body, then stall (send nothing more) until the
    // server stops or the client goes away.
    qint64 stallAfter = -1;
};

// A port on 127.0.0.1 where nothing listens (bound once, then closed): connections to it are
// refused at once.
int closedPort();
// "http://127.0.0.1:PORT" on such a port.
QString refusingAddress();

class FixtureServer {
public:
    FixtureServer();
    ~FixtureServer();

    // Routes match the path without query. Register before or after start().
    void serve(const QByteArray& path, const FixtureReply& reply);
    void serveText(const QByteArray& path, const QString& text, bool gbk = false);
    void redirect(const QByteArray& path, const QByteArray& target, int status = 302);
    void handle(const QByteArray& path, std::function<FixtureReply(const RecordedRequest&)> f);

    bool start();
    QString baseUrl() const; // "http://127.0.0.1:PORT"
    QString url(const QString& pathAndQuery) const;
    int port() const;

    int requestCount() const;                       // all requests so far
    int requestCount(const QByteArray& path) const; // to one path (without query)
    QList<RecordedRequest> requests() const;
    RecordedRequest lastRequest() const;

private:
    ts::LocalHttpServer m_server;
    mutable QMutex m_mutex;
    QMap<QByteArray, std::function<FixtureReply(const RecordedRequest&)>> m_routes;
    QList<RecordedRequest> m_requests;
    std::atomic_bool m_stopping{false};
};

} // namespace tstest
