#pragma once
// The completed-trade query: fetch one list page, read its completed trades in page order,
// summarise them. RunCompletedTradeQuery does it on the calling thread; CompletedTradeJob runs
// it on a worker thread and reports through signals (queued to the receivers' threads).

#include "trade/completedtrades.h"
#include "web/sites.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace ts {

struct CompletedTradeQuery {
    Sites sites;
    QString address;         // the list page (ListPageAddress with N "1000", O "0")
    QString productTypeName; // decides game currency
    int timeoutMs = 18000;   // the page request's time-out (injectable for tests)
};

struct CompletedTradeOutcome {
    bool ok = false;
    bool cancelled = false;
    QString failure;        // what failed, for the state text; empty when ok
    CompletedTrades trades; // the rows read (empty after a failure)
    TradeSummary summary;   // of the rows read (the empty summary after a failure)
};

// The text that replaces "查询完毕！" when the page could not be read.
QString NoListBlockFailure();

// Fetches and reads on the calling thread. onRow, when set, sees each kept row as it is read.
// cancel, when set, stops the fetch and the reading between rows.
CompletedTradeOutcome
RunCompletedTradeQuery(const CompletedTradeQuery& query, const std::atomic_bool* cancel = nullptr,
                       const std::function<void(const CompletedTradeRow&)>& onRow = {});

class CompletedTradeJob : public QObject {
    Q_OBJECT
public:
    explicit CompletedTradeJob(CompletedTradeQuery query, QObject* parent = nullptr);
    // Cancels and waits for the worker (the fetch notices the stop within moments).
    ~CompletedTradeJob() override;

    void start();
    void cancel() { m_cancel->store(true); }
    bool isRunning() const;

Q_SIGNALS:
    // A kept row, in page order (emitted on the worker thread).
    void rowRead(const QStringList& cells, const QString& price, const QString& unitPrice);
    // The query ended (not emitted after cancel()).
    void finished(const ts::CompletedTradeOutcome& outcome);

private:
    CompletedTradeQuery m_query;
    std::shared_ptr<std::atomic_bool> m_cancel;
    QThread* m_thread = nullptr;
};

} // namespace ts

Q_DECLARE_METATYPE(ts::CompletedTradeOutcome)
