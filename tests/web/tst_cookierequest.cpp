#include "fixtureserver.h"
#include "web/cookierequest.h"

#include <QStringEncoder>
#include <QTest>
#include <thread>

using namespace ts;
using tstest::FixtureReply;
using tstest::FixtureServer;

namespace {

const QByteArray kAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; 125LA; .NET CLR "
                          "2.0.50727; .NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

FixtureReply withCookies(const QList<QByteArray>& setCookies) {
    FixtureReply r;
    r.body = "ok";
    r.contentType = "text/plain";
    for (const QByteArray& c : setCookies)
        r.headers.append({"Set-Cookie", c});
    return r;
}

} // namespace

class TstCookieRequest : public QObject {
    Q_OBJECT
    FixtureServer m_server;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_server.start());
        m_server.serveText("/page", QStringLiteral("<p>金币</p>"));
    }

    void urlParts_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("path");
        QTest::newRow("no path") << "http://www.dd373.com"
                                 << "www.dd373.com"
                                 << "dd373.com" << 80 << "/";
        QTest::newRow("capital https") << "HTTPS://Www.A.com/X?q=1"
                                       << "www.a.com"
                                       << "a.com" << 443 << "/X?q=1";
        QTest::newRow("no scheme") << "a.b.com/p"
                                   << "a.b.com"
                                   << "b.com" << 80 << "/p";
        QTest::newRow("port and query") << "http://127.0.0.1:8080/sell/GetGame?gCase=1&pID=x"
                                        << "127.0.0.1"
                                        << "0.1" << 8080 << "/sell/GetGame?gCase=1&pID=x";
        QTest::newRow("single label") << "http://localhost/"
                                      << "localhost"
                                      << "localhost" << 80 << "/";
    }
    void urlParts() {
        QFETCH(QString, url);
        QFETCH(QString, host);
        QFETCH(QString, domain);
        QFETCH(int, port);
        QFETCH(QString, path);
        QCOMPARE(UrlHost(url), host);
        QCOMPARE(UrlHost(url, true), domain);
        QCOMPARE(UrlPort(url), port);
        QCOMPARE(UrlPath(url), path);
    }

    void urlHostKeepsPort() {
        QCOMPARE(UrlHost("http://a.com:81/x", false, true), QString("a.com:81"));
    }

    void quotedTextBetween_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<QString>("expected");
        QTest::newRow("quote markers") << "id=\"42\" x"
                                       << "id=#引号"
                                       << "#引号" << 1 << false << "42";
        QTest::newRow("case ignored") << "Set-Cookie: a=1; path=/"
                                      << "set-cookie:"
                                      << ";" << 1 << false << " a=1";
        QTest::newRow("case-sensitive") << "Set-Cookie: a=1;"
                                        << "set-cookie:"
                                        << ";" << 1 << true << "";
        QTest::newRow("start position") << "[a][b]"
                                        << "["
                                        << "]" << 2 << false << "b";
        QTest::newRow("right missing") << "[a"
                                       << "["
                                       << "]" << 1 << false << "";
    }
    void quotedTextBetween() {
        QFETCH(QString, text);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(int, start);
        QFETCH(bool, caseSensitive);
        QFETCH(QString, expected);
        QCOMPARE(QuotedTextBetween(text, left, right, start, caseSensitive), expected);
    }

    void mergeCookies_data() {
        QTest::addColumn<QString>("cookies");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("merged");
        QTest::newRow("new wins, deleted dropped") << "a=0; c=3"
                                                   << "a=1; b=x=deleted"
                                                   << "a=1; c=3";
        QTest::newRow("no old cookies") << ""
                                        << "a=1; b=2"
                                        << "a=1; b=2";
        QTest::newRow("no new cookies") << "a=1; b=2"
                                        << ""
                                        << "a=1; b=2";
        QTest::newRow("spaces removed") << "a = 1"
                                        << " b=2 "
                                        << "b=2; a=1";
        QTest::newRow("duplicates removed") << "a=1; a=1"
                                            << ""
                                            << "a=1";
        QTest::newRow("old deleted item dropped") << "z=deleted; a=1"
                                                  << ""
                                                  << "a=1";
    }
    void mergeCookies() {
        QFETCH(QString, cookies);
        QFETCH(QString, fresh);
        QFETCH(QString, merged);
        MergeCookies(cookies, fresh);
        QCOMPARE(cookies, merged);
        QVERIFY(!fresh.contains(u' ') || fresh.isEmpty());
    }

    void defaultHeaders() {
        const QString url = m_server.url("/page");
        CookieRequestArgs args;
        const CookieReply reply = CookieRequestEx(url, args);
        QVERIFY2(reply.outcome.ok(), qPrintable(reply.outcome.describe()));
        QCOMPARE(reply.text, QStringLiteral("<p>金币</p>"));
        QCOMPARE(args.headers, "Referer: " + url +
                                   "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                                   "Content-Type: application/x-www-form-urlencoded");
        const tstest::RecordedRequest sent = m_server.lastRequest();
        QCOMPARE(sent.method, QByteArray("GET"));
        QCOMPARE(sent.header("User-Agent"), kAgent);
        QCOMPARE(sent.headerCount("Accept"), 1);
        QCOMPARE(sent.header("Accept"), QByteArray("*/*"));
        QCOMPARE(sent.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    }

    // Completion tests are case-sensitive: "accept:" does not count as "Accept:".
    void completedHeaders_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("cookies"); // "-" for none
        QTest::addColumn<QString>("expected");
        QTest::newRow("referer and accept kept")
            << "Referer: http://r/\r\nAccept: text/html"
            << "-"
            << "Referer: http://r/\r\nAccept: text/html\r\nAccept-Language: zh-cn\r\n"
               "Content-Type: application/x-www-form-urlencoded";
        QTest::newRow("lower-case accept still completed")
            << "accept: a/b"
            << "-"
            << "accept: a/b\r\nReferer: {url}\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
               "Content-Type: application/x-www-form-urlencoded";
        QTest::newRow("cookie line last")
            << ""
            << "a=1; b=2"
            << "Referer: {url}\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
               "Content-Type: application/x-www-form-urlencoded\r\nCookie: a=1; b=2";
    }
    void completedHeaders() {
        QFETCH(QString, given);
        QFETCH(QString, cookies);
        QFETCH(QString, expected);
        const QString url = m_server.url("/page");
        CookieRequestArgs args;
        args.headers = given;
        if (cookies != "-")
            args.cookies = cookies;
        CookieRequestEx(url, args);
        QCOMPARE(args.headers, QString(expected).replace("{url}", url));
        const tstest::RecordedRequest sent = m_server.lastRequest();
        if (cookies != "-")
            QCOMPARE(sent.header("Cookie"), cookies.toLatin1());
    }

    void agentFromHeaders_data() {
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QByteArray>("agent");
        QTest::newRow("agent line first")
            << "User-Agent: Probe/1.0\r\nX-A: 1" << QByteArray("Probe/1.0");
        QTest::newRow("agent line last")
            << "X-A: 1\r\nuser-agent: Probe/2.0" << QByteArray("Probe/2.0");
        QTest::newRow("empty agent line") << "User-Agent:\r\nX-A: 1" << kAgent;
    }
    void agentFromHeaders() {
        QFETCH(QString, headers);
        QFETCH(QByteArray, agent);
        CookieRequestArgs args;
        args.headers = headers;
        CookieRequestEx(m_server.url("/page"), args);
        const tstest::RecordedRequest sent = m_server.lastRequest();
        QCOMPARE(sent.headerCount("User-Agent"), 1);
        QCOMPARE(sent.header("User-Agent"), agent);
        QCOMPARE(sent.header("X-A"), QByteArray("1"));
    }

    void post() {
        CookieRequestArgs args;
        args.method = 1;
        args.postText = QStringLiteral("name=金");
        CookieRequestEx(m_server.url("/page"), args);
        const tstest::RecordedRequest sent = m_server.lastRequest();
        QCOMPARE(sent.method, QByteArray("POST"));
        QCOMPARE(sent.body, QStringLiteral("name=金").toUtf8());
        QCOMPARE(args.postBytes, sent.body);
        QCOMPARE(sent.headerCount("Content-Type"), 1);
    }

    void setCookieScan() {
        m_server.serve("/two-cookies", withCookies({"a=1; Path=/", "b=2; Path=/; HttpOnly"}));
        CookieRequestArgs args;
        CookieRequestEx(m_server.url("/two-cookies"), args);
        QCOMPARE(args.newCookies, QString("a=1; b=2"));
        // No Location line: location holds the raw header text.
        QCOMPARE(args.location, args.rawHeaders);
        QVERIFY(args.rawHeaders.contains("Set-Cookie: a=1; Path=/\r\n"));

        // With the caller's cookies, the reply's items are merged into them.
        CookieRequestArgs own;
        own.cookies = QStringLiteral("a=0; c=3");
        CookieRequestEx(m_server.url("/two-cookies"), own);
        QCOMPARE(*own.cookies, QString("a=1; b=2; c=3"));
        QCOMPARE(own.newCookies, QString("a=1;b=2")); // merging strips the spaces
    }

    void cookieWithoutAttributes() {
        m_server.serve("/bare-cookie", withCookies({"solo=7"}));
        CookieRequestArgs args;
        args.cookies = QString();
        CookieRequestEx(m_server.url("/bare-cookie"), args);
        QCOMPARE(args.newCookies, QString("solo=7"));
        QCOMPARE(*args.cookies, QString("solo=7"));
    }

    void processStoreKeepsCookies() {
        m_server.serve("/store-set", withCookies({"storeA=1; Path=/"}));
        CookieRequest(m_server.url("/store-set"));
        CookieRequest(m_server.url("/page"));
        QVERIFY(m_server.lastRequest().header("Cookie").contains("storeA=1"));
        // A caller that keeps its own cookies leaves the store out of it.
        CookieRequestArgs args;
        args.cookies = QString("mine=2");
        CookieRequestEx(m_server.url("/page"), args);
        QCOMPARE(m_server.lastRequest().header("Cookie"), QByteArray("mine=2"));
    }

    void storeSharedAcrossThreads() {
        m_server.serve("/thread-set", withCookies({"threadB=9; Path=/"}));
        std::thread setter([&] { CookieRequest(m_server.url("/thread-set")); });
        setter.join();
        QByteArray seen;
        std::thread reader([&] { CookieRequest(m_server.url("/thread-check")); });
        reader.join();
        seen = m_server.lastRequest().header("Cookie");
        QVERIFY2(seen.contains("threadB=9"), seen.constData());

        // Many threads at once on the same store.
        m_server.serve("/busy", withCookies({"busy=1; Path=/"}));
        std::vector<std::thread> workers;
        std::atomic_int ok{0};
        for (int i = 0; i < 4; ++i)
            workers.emplace_back([&, i] {
                for (int n = 0; n < 5; ++n) {
                    CookieRequestArgs args;
                    if (CookieRequestEx(m_server.url(QString("/busy?t=%1").arg(i)), args)
                            .outcome.ok())
                        ++ok;
                }
            });
        for (std::thread& w : workers)
            w.join();
        QCOMPARE(ok.load(), 20);
    }

    void redirects_data() {
        QTest::addColumn<bool>("noRedirect");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("location");
        QTest::newRow("followed") << false << QStringLiteral("<p>金币</p>") << "{raw}";
        QTest::newRow("not followed") << true << "moved"
                                      << "/page";
    }
    void redirects() {
        QFETCH(bool, noRedirect);
        QFETCH(QString, text);
        QFETCH(QString, location);
        m_server.redirect("/moved", "/page");
        CookieRequestArgs args;
        args.noRedirect = noRedirect;
        const CookieReply reply = CookieRequestEx(m_server.url("/moved"), args);
        QCOMPARE(reply.text, text);
        QCOMPARE(args.location, location == "{raw}" ? args.rawHeaders : location);
        QCOMPARE(m_server.lastRequest().path,
                 noRedirect ? QByteArray("/moved") : QByteArray("/page"));
    }

    void utf8Detection_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<bool>("utf8");
        const QByteArray utf8 = QStringLiteral("金币").toUtf8();
        const QByteArray gbk = QStringEncoder("GBK").encode(QStringLiteral("金币"));
        QTest::newRow("declared in body only")
            << "<meta charset=utf-8>" + utf8 << QByteArray("text/html") << true;
        QTest::newRow("declared in headers only")
            << utf8 << QByteArray("text/html; charset=UTF-8") << true;
        QTest::newRow("upper case in body is not it")
            << "<meta charset=UTF-8>" + gbk << QByteArray("text/html") << false;
        QTest::newRow("too far into the body")
            << QByteArray(499, ' ') + "utf-8" + gbk << QByteArray("text/html") << false;
        QTest::newRow("just inside")
            << QByteArray(498, ' ') + "utf-8" + utf8 << QByteArray("text/html") << true;
        QTest::newRow("nothing said: gbk") << gbk << QByteArray("text/html") << false;
    }
    void utf8Detection() {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QFETCH(bool, utf8);
        FixtureReply r;
        r.body = body;
        r.contentType = contentType;
        m_server.serve("/charset", r);
        CookieRequestArgs args;
        const CookieReply reply = CookieRequestEx(m_server.url("/charset"), args);
        QCOMPARE(reply.utf8, utf8);
        QVERIFY2(reply.text.endsWith(QStringLiteral("金币")), qPrintable(reply.text));
    }

    void serverErrorReported() {
        FixtureReply error;
        error.status = 500;
        error.body = "oops";
        m_server.serve("/error", error);
        CookieRequestArgs args;
        const CookieReply reply = CookieRequestEx(m_server.url("/error"), args);
        QCOMPARE(reply.outcome.kind, RequestOutcome::HttpError);
        QCOMPARE(reply.outcome.httpStatus, 500);
        QCOMPARE(reply.text, QString("oops"));
    }
};

QTEST_GUILESS_MAIN(TstCookieRequest)
#include "tst_cookierequest.moc"
