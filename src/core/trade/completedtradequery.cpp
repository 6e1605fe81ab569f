#include "trade/completedtradequery.h"

#include "trade/listpage.h"
#include "web/pagerequest.h"

#include <QThread>

namespace ts {

QString NoListBlockFailure() {
    return QStringLiteral("查询失败：页面中没有成交列表");
}

CompletedTradeOutcome
RunCompletedTradeQuery(const CompletedTradeQuery& query, const std::atomic_bool* cancel,
                       const std::function<void(const CompletedTradeRow&)>& onRow) {
    CompletedTradeOutcome out;
    const CompletedTradeReader reader(query.sites, query.productTypeName);
    out.trades.currency = reader.currency();
    auto cancelled = [cancel] { return cancel && cancel->load(); };

    if (!IsSiteAddress(query.sites.dd373)) {
        out.failure = QStringLiteral("查询失败：没有设置 DD373 网站地址");
        out.summary = summarize(out.trades);
        return out;
    }
    // The completed-trade markers and the row patterns name the image host: without it every
    // marked row would be kept with empty cells.
    if (!IsSiteAddress(query.sites.dd373_images)) {
        out.failure = QStringLiteral("查询失败：没有设置 DD373 图片网站地址");
        out.summary = summarize(out.trades);
        return out;
    }
    PageRequestArgs args;
    args.timeoutMs = query.timeoutMs;
    args.cancel = cancel;
    const PageReply reply = PageRequestEx(query.address, args);
    if (cancelled()) {
        out.cancelled = true;
        return out;
    }
    if (!reply.outcome.ok()) {
        out.failure = QStringLiteral("查询失败：") + reply.outcome.describe();
    } else if (!HasListBlock(reply.text)) {
        out.failure = NoListBlockFailure();
    } else {
        CompletedTradeRow row;
        for (const QString& piece : ListRowPieces(reply.text)) {
            if (cancelled()) {
                out.cancelled = true;
                return out;
            }
            if (!reader.read(piece, int(out.trades.rows.size()) + 1, &row))
                continue;
            out.trades.rows.append(row.cells);
            out.trades.prices.append(row.price);
            if (out.trades.currency)
                out.trades.unitPrices.append(row.unitPrice);
            if (onRow)
                onRow(row);
        }
        out.ok = true;
    }
    out.summary = summarize(out.trades);
    return out;
}

CompletedTradeJob::CompletedTradeJob(CompletedTradeQuery query, QObject* parent)
    : QObject(parent), m_query(std::move(query)),
      m_cancel(std::make_shared<std::atomic_bool>(false)) {
    qRegisterMetaType<ts::CompletedTradeOutcome>();
}

CompletedTradeJob::~CompletedTradeJob() {
    if (m_thread) {
        m_cancel->store(true);
        m_thread->wait();
        delete m_thread;
    }
}

bool CompletedTradeJob::isRunning() const {
    return m_thread && m_thread->isRunning();
}

void CompletedTradeJob::start() {
    if (m_thread)
        return;
    // The worker only reads its own copy of the query and emits signals; the receivers live on
    // their own threads, so every emission is queued there.
    m_thread = QThread::create([this, query = m_query, cancel = m_cancel] {
        CompletedTradeOutcome outcome =
            RunCompletedTradeQuery(query, cancel.get(), [this](const CompletedTradeRow& row) {
                Q_EMIT rowRead(row.cells, row.price, row.unitPrice);
            });
        if (!outcome.cancelled && !cancel->load())
            Q_EMIT finished(outcome);
    });
    m_thread->setObjectName(QStringLiteral("completed-trade-query"));
    m_thread->start();
}

} // namespace ts
