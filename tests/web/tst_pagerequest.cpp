#include "fixtureserver.h"
#include "web/pagerequest.h"

#include <QElapsedTimer>
#include <QStringEncoder>
#include <QTest>

using namespace ts;
using tstest::FixtureReply;
using tstest::FixtureServer;

namespace {

const QByteArray kAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
const QString kAcceptLine =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";

} // namespace

class TstPageRequest : public QObject {
    Q_OBJECT
    FixtureServer m_server;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_server.start());
        m_server.serveText("/page", QStringLiteral("<p>金币</p>"));
    }

    void addressParts_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("path");
        QTest::newRow("host alone") << "http://www.a.com"
                                    << "www.a.com" << 80 << "/";
        QTest::newRow("capital scheme and host") << "HTTP://WWW.A.com/X"
                                                 << "www.a.com" << 80 << "/X";
        QTest::newRow("port, path and query") << "http://a.com:8080/list/1.html?p=2"
                                              << "a.com" << 8080 << "/list/1.html?p=2";
        QTest::newRow("no scheme") << "a.com:81/x"
                                   << "a.com" << 81 << "/x";
        QTest::newRow("no scheme, no path") << "a.com"
                                            << "a.com" << 80 << "/";
        QTest::newRow("https") << "https://a.com/x"
                               << "a.com" << 443 << "/x";
        QTest::newRow("host inside the scheme") << "http://p/x"
                                                << "p" << 80 << "/x";
    }
    void addressParts() {
        QFETCH(QString, address);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, path);
        QCOMPARE(PageHost(address), host);
        QCOMPARE(PagePort(address), port);
        QCOMPARE(PagePath(address), path);
    }

    void defaultHeaders() {
        const QString address = m_server.url("/page");
        PageRequestArgs args;
        const PageReply reply = PageRequestEx(address, args);
        QVERIFY2(reply.outcome.ok(), qPrintable(reply.outcome.describe()));
        QCOMPARE(reply.text, QStringLiteral("<p>金币</p>"));
        QCOMPARE(args.method, QString("GET"));
        QCOMPARE(args.headers,
                 kAcceptLine + "Referer: " + address + "\r\nAccept-Language: zh-cn\r\n");
        const tstest::RecordedRequest sent = m_server.lastRequest();
        QCOMPARE(sent.method, QByteArray("GET"));
        QCOMPARE(sent.header("User-Agent"), kAgent);
        QCOMPARE(sent.headerCount("Accept"), 1);
        QCOMPARE(sent.header("Accept"), kAcceptLine.mid(8, kAcceptLine.size() - 10).toLatin1());
        QCOMPARE(sent.header("Referer"), address.toLatin1());
        QCOMPARE(sent.header("Accept-Language"), QByteArray("zh-cn"));
    }

    // The caller's lines stay; only the lines it lacks (ignoring case) are added.
    void completedHeaders_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("lower-case referer kept")
            << "referer: http://x/\r\n"
            << QByteArray("Referer") << QByteArray("http://x/");
        QTest::newRow("own accept kept") << "Accept: text/html\r\n"
                                         << QByteArray("Accept") << QByteArray("text/html");
        QTest::newRow("own language kept") << "ACCEPT-LANGUAGE: en\r\n"
                                           << QByteArray("Accept-Language") << QByteArray("en");
        QTest::newRow("extra line without line break")
            << "X-Test: 1" << QByteArray("X-Test") << QByteArray("1");
    }
    void completedHeaders() {
        QFETCH(QString, given);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, value);
        PageRequestArgs args;
        args.headers = given;
        QVERIFY(PageRequestEx(m_server.url("/page"), args).outcome.ok());
        const tstest::RecordedRequest sent = m_server.lastRequest();
        QCOMPARE(sent.headerCount(name), 1);
        QCOMPARE(sent.header(name), value);
        for (const char* h : {"Accept", "Referer", "Accept-Language"})
            QCOMPARE(sent.headerCount(h), 1);
        QVERIFY(args.headers.startsWith(given));
        QVERIFY(args.headers.endsWith("\r\n"));
    }

    void pathSent_data() {
        QTest::addColumn<QString>("address"); // "%1" stands for 127.0.0.1:PORT
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("no path") << "http://%1" << QByteArray("/");
        QTest::newRow("path and query") << "http://%1/page?a=1&b=2" << QByteArray("/page?a=1&b=2");
        QTest::newRow("no scheme") << "%1/page" << QByteArray("/page");
        QTest::newRow("chinese in query")
            << "http://%1/page?q=金" << QByteArray("/page?q=%E9%87%91");
    }
    void pathSent() {
        QFETCH(QString, address);
        QFETCH(QByteArray, path);
        PageRequestArgs args;
        PageRequestEx(address.arg("127.0.0.1:" + QString::number(m_server.port())), args);
        QCOMPARE(m_server.lastRequest().path, path);
    }

    void methods_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("methodAfter");
        QTest::addColumn<QByteArray>("methodSent");
        QTest::addColumn<bool>("contentHeaders");
        QTest::newRow("lower-case get")
            << "get" << QByteArray() << "GET" << QByteArray("GET") << false;
        QTest::newRow("empty is get")
            << "" << QByteArray("x=1") << "GET" << QByteArray("GET") << false;
        QTest::newRow("other verbs are get")
            << "PUT" << QByteArray() << "GET" << QByteArray("GET") << false;
        QTest::newRow("lower-case post with body")
            << "post" << QByteArray("a=1&b=中") << "post" << QByteArray("POST") << true;
        QTest::newRow("post without body")
            << "POST" << QByteArray() << "POST" << QByteArray("POST") << false;
    }
    void methods() {
        QFETCH(QString, method);
        QFETCH(QByteArray, body);
        QFETCH(QString, methodAfter);
        QFETCH(QByteArray, methodSent);
        QFETCH(bool, contentHeaders);
        PageRequestArgs args;
        args.method = method;
        args.body = body;
        PageRequestEx(m_server.url("/page"), args);
        QCOMPARE(args.method, methodAfter);
        const tstest::RecordedRequest sent = m_server.lastRequest();
        QCOMPARE(sent.method, methodSent);
        QCOMPARE(sent.body, contentHeaders ? body : QByteArray());
        QCOMPARE(sent.headerCount("Content-Type"), contentHeaders ? 1 : 0);
        // Without a body the client may still say "Content-Length: 0" on the wire.
        QCOMPARE(sent.header("Content-Length"),
                 contentHeaders ? QByteArray::number(body.size())
                                : (methodSent == "POST" ? QByteArray("0") : QByteArray()));
        QCOMPARE(args.headers.contains("Content-"), contentHeaders);
        if (contentHeaders) {
            QCOMPARE(sent.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
            QVERIFY(args.headers.endsWith(QString("Content-Length: %1\r\n").arg(body.size())));
        }
    }

    void stalledReplyKeepsPartialBody() {
        FixtureReply stall;
        stall.body = QByteArray(4000, 'x');
        stall.stallAfter = 1000;
        m_server.serve("/stall", stall);
        PageRequestArgs args;
        args.timeoutMs = 1000;
        QElapsedTimer timer;
        timer.start();
        const PageReply reply = PageRequestEx(m_server.url("/stall"), args);
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(reply.outcome.kind, RequestOutcome::TimedOut);
        QCOMPARE(reply.bytes, QByteArray(1000, 'x'));
        QVERIFY2(elapsed >= 1000 && elapsed < 2500, qPrintable(QString::number(elapsed)));
        QCOMPARE(reply.outcome.describe(), QString("127.0.0.1 回复中断（超时），内容不完整"));
    }

    void failures_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("server error") << 500 << "127.0.0.1 返回 HTTP 500";
        QTest::newRow("not found") << 404 << "127.0.0.1 返回 HTTP 404";
    }
    void failures() {
        QFETCH(int, status);
        QFETCH(QString, message);
        FixtureReply error;
        error.status = status;
        error.body = "error page";
        m_server.serve("/error", error);
        PageRequestArgs args;
        const PageReply reply = PageRequestEx(m_server.url("/error"), args);
        QCOMPARE(reply.outcome.kind, RequestOutcome::HttpError);
        QCOMPARE(reply.outcome.httpStatus, status);
        QCOMPARE(reply.bytes, QByteArray("error page"));
        QCOMPARE(reply.outcome.describe(), message);
    }

    void connectionRefused() {
        const QString address = QString("http://127.0.0.1:%1/").arg(tstest::closedPort());
        PageRequestArgs args;
        args.timeoutMs = 2000;
        const PageReply reply = PageRequestEx(address, args);
        QCOMPARE(reply.outcome.kind, RequestOutcome::ConnectFailed);
        QVERIFY(reply.bytes.isEmpty());
        QCOMPARE(reply.outcome.describe(), QString("无法连接 127.0.0.1（连接被拒绝）"));
        QCOMPARE(PageRequest(address), QString());
    }

    void invalidAddress() {
        PageRequestArgs args;
        args.method = "post";
        args.headers = "X: 1\r\n";
        const PageReply reply = PageRequestEx("http://:80/x", args);
        QCOMPARE(reply.outcome.kind, RequestOutcome::SetupFailed);
        QCOMPARE(args.method, QString("post")); // in/out arguments untouched
        QCOMPARE(args.headers, QString("X: 1\r\n"));
        QVERIFY(reply.outcome.describe().startsWith("地址无效："));
    }

    void replyCutAtCap() {
        FixtureReply big;
        big.body = QByteArray(40 * 1024 * 1024, 'z');
        big.contentType = "application/octet-stream";
        m_server.serve("/big", big);
        PageRequestArgs args;
        const PageReply reply = PageRequestEx(m_server.url("/big"), args);
        QCOMPARE(reply.outcome.kind, RequestOutcome::Truncated);
        QCOMPARE(reply.bytes.size(), kMaxReplyBytes);
        QCOMPARE(reply.outcome.describe(), QString("回复超过 32 MiB，已截断"));
    }

    void charsets_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("charset");
        QTest::newRow("declared gbk")
            << QByteArray(QStringEncoder("GBK").encode(QStringLiteral("金币")))
            << QByteArray("text/html; charset=GBK") << QByteArray("gbk");
        QTest::newRow("declared utf-8")
            << QStringLiteral("金币").toUtf8() << QByteArray("text/html; charset=\"utf-8\"")
            << QByteArray("utf-8");
        QTest::newRow("declared in a meta tag")
            << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">" +
                   QByteArray(QStringEncoder("GBK").encode(QStringLiteral("金币")))
            << QByteArray("text/html") << QByteArray();
        QTest::newRow("nothing declared: utf-8")
            << QStringLiteral("金币").toUtf8() << QByteArray("text/html") << QByteArray();
    }
    void charsets() {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, charset);
        FixtureReply r;
        r.body = body;
        r.contentType = contentType;
        m_server.serve("/charset", r);
        PageRequestArgs args;
        args.wantRawHeaders = true;
        const PageReply reply = PageRequestEx(m_server.url("/charset"), args);
        QCOMPARE(reply.charset, charset);
        QVERIFY2(reply.text.endsWith(QStringLiteral("金币")), qPrintable(reply.text));
        QVERIFY(args.rawHeaders.startsWith("HTTP/1.1 200"));
        QVERIFY(args.rawHeaders.contains("Content-Type: " + contentType + "\r\n"));
    }

    void redirectFollowed() {
        m_server.redirect("/moved", "/page");
        PageRequestArgs args;
        args.wantRawHeaders = true;
        const PageReply reply = PageRequestEx(m_server.url("/moved"), args);
        QVERIFY(reply.outcome.ok());
        QCOMPARE(reply.text, QStringLiteral("<p>金币</p>"));
        QVERIFY(!args.rawHeaders.contains("Location:")); // the last reply's headers
    }

    void redirectLoopReported() {
        m_server.redirect("/loop", "/loop");
        PageRequestArgs args;
        const PageReply reply = PageRequestEx(m_server.url("/loop"), args);
        QCOMPARE(reply.outcome.kind, RequestOutcome::TooManyRedirects);
        QCOMPARE(reply.outcome.describe(), QString("127.0.0.1 重定向次数过多"));
    }

    void namedProxy() {
        // The fixture server plays the proxy: it receives the absolute address.
        PageRequestArgs args;
        args.proxy = "127.0.0.1:" + QString::number(m_server.port());
        PageRequestEx("http://www.example.invalid/page?x=1", args);
        const tstest::RecordedRequest sent = m_server.lastRequest();
        QVERIFY2(sent.path.contains("www.example.invalid/page?x=1"), sent.path.constData());
    }

    void cancelled() {
        FixtureReply stall;
        stall.body = QByteArray(4000, 'x');
        stall.stallAfter = 10;
        m_server.serve("/stall2", stall);
        std::atomic_bool stop{true};
        PageRequestArgs args;
        args.cancel = &stop;
        const PageReply reply = PageRequestEx(m_server.url("/stall2"), args);
        QCOMPARE(reply.outcome.kind, RequestOutcome::Cancelled);
    }
};

QTEST_GUILESS_MAIN(TstPageRequest)
#include "tst_pagerequest.moc"
