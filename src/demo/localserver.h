#pragma once
// LocalHttpServer: an HTTP server on 127.0.0.1 at a free port, running on its own thread.
// The sample market and the tests' fixture server are built on it.

#include <httplib.h>

#include <QString>
#include <memory>
#include <thread>

namespace ts {

class LocalHttpServer {
public:
    LocalHttpServer();
    ~LocalHttpServer(); // stops the server and joins its thread
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // Register routes before start().
    httplib::Server& server() { return *m_server; }

    // Binds 127.0.0.1 at a free port (the address is known from then on); false on failure.
    bool bind();
    // Starts serving on its own thread (binds first when needed).
    bool start();
    void stop();
    int port() const { return m_port; }
    QString baseUrl() const; // "http://127.0.0.1:PORT"

private:
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = 0;
};

} // namespace ts
