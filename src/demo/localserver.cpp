#include "demo/localserver.h"

namespace ts {

LocalHttpServer::LocalHttpServer() : m_server(std::make_unique<httplib::Server>()) {
    // Short keep-alive so that stop() does not wait for idle connections.
    m_server->set_keep_alive_timeout(1);
}

LocalHttpServer::~LocalHttpServer() {
    stop();
}

bool LocalHttpServer::bind() {
    if (m_port <= 0)
        m_port = m_server->bind_to_any_port("127.0.0.1");
    return m_port > 0;
}

bool LocalHttpServer::start() {
    if (m_thread.joinable())
        return true;
    if (!bind())
        return false;
    // The socket already listens after bind_to_any_port: early connections queue.
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    // stop() only ends a loop that already runs: wait for it to start.
    while (!m_server->is_running())
        std::this_thread::yield();
    return true;
}

void LocalHttpServer::stop() {
    if (m_thread.joinable()) {
        m_server->stop();
        m_thread.join();
    }
}

QString LocalHttpServer::baseUrl() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

} // namespace ts
