#pragma once
// Waiting in tests without sleeps: process events until a condition holds or a deadline
// passes.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>

namespace tstest {

template <typename Condition> bool waitFor(Condition condition, int timeoutMs = 10000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents();
        if (!condition())
            QThread::yieldCurrentThread();
    }
    return true;
}

} // namespace tstest
