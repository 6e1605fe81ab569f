#pragma once
// CatalogueFixture: a catalogue service on the fixture server. Replies are set per level and
// parent; a gate holds the replies for one level and parent until the test opens it.

#include "fixtureserver.h"
#include "web/sites.h"

#include <QMap>
#include <QMutex>
#include <QUrlQuery>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace tstest {

struct CatEntry {
    QString name, guid, id;
};

inline QByteArray catalogueJson(const QList<CatEntry>& entries) {
    QStringList items;
    for (const CatEntry& e : entries)
        items << QStringLiteral(R"({"GUID":"%1","GameName":"%2","GameShort":"","NameShort":"",)"
                                R"("GameIdentify":"%3","ParentID":"0"})")
                     .arg(e.guid, e.name, e.id);
    return ("[" + items.join(",") + "]").toUtf8();
}

// Held replies: the server thread waits until open() (at most 20 s, so a failing test
// cannot hang the server's shutdown).
class Gate {
public:
    void open() {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_cv.notify_all();
    }
    void wait() {
        std::unique_lock lock(m_mutex);
        m_cv.wait_for(lock, std::chrono::seconds(20), [this] { return m_open; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_open = false;
};

class CatalogueFixture {
public:
    CatalogueFixture() {
        server.handle("/sell/GetGame", [this](const RecordedRequest& r) {
            const QUrlQuery q(QString::fromUtf8(r.path.mid(r.path.indexOf('?') + 1)));
            const QString key = q.queryItemValue("gCase") + "/" + q.queryItemValue("pID");
            std::shared_ptr<Gate> gate;
            FixtureReply reply;
            {
                QMutexLocker lock(&m_mutex);
                gate = m_gates.value(key);
                reply = m_replies.value(key, jsonReply("[]"));
            }
            if (gate)
                gate->wait();
            return reply;
        });
    }

    bool start() { return server.start(); }
    ts::Sites sites() const { return ts::Sites::allAt(server.baseUrl()); }

    void setEntries(int gCase, const QString& parent, const QList<CatEntry>& entries) {
        setReply(gCase, parent, jsonReply(catalogueJson(entries)));
    }
    void setReply(int gCase, const QString& parent, const FixtureReply& reply) {
        QMutexLocker lock(&m_mutex);
        m_replies.insert(key(gCase, parent), reply);
    }
    std::shared_ptr<Gate> hold(int gCase, const QString& parent) {
        auto gate = std::make_shared<Gate>();
        QMutexLocker lock(&m_mutex);
        m_gates.insert(key(gCase, parent), gate);
        return gate;
    }
    // "gCase=2&pID=g1" for every catalogue request so far, in order.
    QStringList queries() const {
        QStringList out;
        for (const RecordedRequest& r : server.requests())
            if (r.path.startsWith("/sell/GetGame?"))
                out << QString::fromUtf8(r.path.mid(r.path.indexOf('?') + 1));
        return out;
    }

    static FixtureReply jsonReply(const QByteArray& body) {
        FixtureReply reply;
        reply.body = body;
        reply.contentType = "application/json; charset=utf-8";
        return reply;
    }

    FixtureServer server;

private:
    static QString key(int gCase, const QString& parent) {
        return QString::number(gCase) + "/" + parent;
    }
    mutable QMutex m_mutex;
    QMap<QString, FixtureReply> m_replies;
    QMap<QString, std::shared_ptr<Gate>> m_gates;
};

} // namespace tstest
