#include "fixtureserver.h"

#include <QMutexLocker>
#include <QStringEncoder>
#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace tstest {

int closedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    int port = 1;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

QString refusingAddress() {
    return QStringLiteral("http://127.0.0.1:%1").arg(closedPort());
}

QByteArray RecordedRequest::header(const QByteArray& name) const {
    for (const auto& h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    return {};
}

int RecordedRequest::headerCount(const QByteArray& name) const {
    int n = 0;
    for (const auto& h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            ++n;
    return n;
}

FixtureServer::FixtureServer() {
    auto dispatch = [this](const httplib::Request& req, httplib::Response& res) {
        RecordedRequest rec;
        rec.method = QByteArray::fromStdString(req.method);
        rec.path = QByteArray::fromStdString(req.target);
        rec.body = QByteArray::fromStdString(req.body);
        for (const auto& h : req.headers)
            rec.headers.append(
                {QByteArray::fromStdString(h.first), QByteArray::fromStdString(h.second)});
        std::function<FixtureReply(const RecordedRequest&)> route;
        {
            QMutexLocker lock(&m_mutex);
            m_requests.append(rec);
            route = m_routes.value(QByteArray::fromStdString(req.path));
        }
        if (!route) {
            res.status = 404;
            res.set_content("not found", "text/plain");
            return;
        }
        const FixtureReply reply = route(rec);
        res.status = reply.status;
        for (const auto& h : reply.headers)
            res.headers.emplace(h.first.toStdString(), h.second.toStdString());
        const std::string body = reply.body.toStdString();
        const std::string type = reply.contentType.toStdString();
        if (reply.stallAfter < 0) {
            res.set_content(body, type);
            return;
        }
        // Declare the full length, send the first part, then send nothing more.
        const size_t sendFirst = size_t(qMin<qint64>(reply.stallAfter, qint64(body.size())));
        res.set_content_provider(
            body.size(), type,
            [this, body, sendFirst](size_t offset, size_t, httplib::DataSink& sink) {
                if (offset < sendFirst) {
                    sink.write(body.data() + offset, sendFirst - offset);
                    return true;
                }
                // Server-side stall: hold the connection open until the test ends or the
                // client goes away.
                while (!m_stopping.load() && sink.is_writable())
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                return false;
            });
    };
    auto& s = m_server.server();
    s.Get(".*", dispatch);
    s.Post(".*", dispatch);
    s.Put(".*", dispatch);
    s.Delete(".*", dispatch);
}

FixtureServer::~FixtureServer() {
    m_stopping.store(true);
    m_server.stop();
}

void FixtureServer::serve(const QByteArray& path, const FixtureReply& reply) {
    handle(path, [reply](const RecordedRequest&) { return reply; });
}

void FixtureServer::serveText(const QByteArray& path, const QString& text, bool gbk) {
    FixtureReply reply;
    if (gbk) {
        QStringEncoder enc("GBK");
        reply.body = enc.encode(text);
        reply.contentType = "text/html; charset=gbk";
    } else {
        reply.body = text.toUtf8();
    }
    serve(path, reply);
}

void FixtureServer::redirect(const QByteArray& path, const QByteArray& target, int status) {
    FixtureReply reply;
    reply.status = status;
    reply.body = "moved";
    reply.contentType = "text/plain";
    reply.headers.append({"Location", target});
    serve(path, reply);
}

void FixtureServer::handle(const QByteArray& path,
                           std::function<FixtureReply(const RecordedRequest&)> f) {
    QMutexLocker lock(&m_mutex);
    m_routes.insert(path, std::move(f));
}

bool FixtureServer::start() {
    return m_server.start();
}
QString FixtureServer::baseUrl() const {
    return m_server.baseUrl();
}
QString FixtureServer::url(const QString& pathAndQuery) const {
    return baseUrl() + pathAndQuery;
}
int FixtureServer::port() const {
    return m_server.port();
}

int FixtureServer::requestCount() const {
    QMutexLocker lock(&m_mutex);
    return int(m_requests.size());
}

int FixtureServer::requestCount(const QByteArray& path) const {
    QMutexLocker lock(&m_mutex);
    int n = 0;
    for (const RecordedRequest& r : m_requests) {
        const int q = r.path.indexOf('?');
        if ((q < 0 ? r.path : r.path.left(q)) == path)
            ++n;
    }
    return n;
}

QList<RecordedRequest> FixtureServer::requests() const {
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

RecordedRequest FixtureServer::lastRequest() const {
    QMutexLocker lock(&m_mutex);
    return m_requests.isEmpty() ? RecordedRequest() : m_requests.last();
}

} // namespace tstest
