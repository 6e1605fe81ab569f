#pragma once
// Fixture site for the trade tests: a small catalogue (one game with one region, one server
// and two product types) and the hand-written list page.

#include "fixtureserver.h"

#include <QFile>
#include <QUrlQuery>

namespace tradetest {

// List page of 幻想大陆 / 电信一区 / 青龙 / 游戏币 as the query asks for it.
inline const QByteArray kCurrencyListPath = "/list/g1-r1-s1-yxb1-0-0-0-1000-0-0-0-0-0-0-0-0.html";
inline const QString kImageHost = QStringLiteral("http://img.example.test");

inline QByteArray fixturePage() {
    QFile f(QStringLiteral(TS_TRADE_FIXTURES "/completed_trades.html"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using tstest::refusingAddress;

inline tstest::FixtureReply reply(int status, const QByteArray& body, qint64 stallAfter = -1) {
    tstest::FixtureReply r;
    r.status = status;
    r.body = body;
    r.stallAfter = stallAfter;
    return r;
}

// The catalogue service: gCase 1 games, 2 regions of G1, 3 servers of R1, 4 types of G1.
inline void serveCatalogue(tstest::FixtureServer& server) {
    server.handle("/sell/GetGame", [](const tstest::RecordedRequest& req) {
        const QString path = QString::fromUtf8(req.path);
        const QUrlQuery query(path.mid(path.indexOf(u'?') + 1));
        const QString level = query.queryItemValue("gCase");
        const QString parent = query.queryItemValue("pID");
        auto entry = [](const char* guid, const char* name, const char* id) {
            return QStringLiteral("{\"GUID\":\"%1\",\"GameName\":\"%2\",\"GameShort\":\"x\","
                                  "\"NameShort\":\"x\",\"GameIdentify\":\"%3\",\"ParentID\":\"0\"}")
                .arg(QString::fromUtf8(guid), QString::fromUtf8(name), QString::fromUtf8(id));
        };
        QStringList entries;
        if (level == "1")
            entries << entry("G0", "暗夜纪元", "g0") << entry("G1", "幻想大陆", "g1");
        else if (level == "2" && parent == "G1")
            entries << entry("R1", "电信一区", "r1");
        else if (level == "3" && parent == "R1")
            entries << entry("S1", "青龙", "s1");
        else if (level == "4" && parent == "G1")
            entries << entry("T1", "游戏币", "yxb1") << entry("T2", "装备", "zb1");
        tstest::FixtureReply r;
        r.body = ("[" + entries.join(",") + "]").toUtf8();
        r.contentType = "application/json; charset=utf-8";
        return r;
    });
}

} // namespace tradetest
