#pragma once
// QueryBusy: 1 while a completed-trade or open-order query runs. The flag lasts until that
// query ends (a catalogue choice does not clear it), so two runs never fill the same result
// lists at once; a second press is refused with the busy message.

#include <atomic>

namespace ts {

class QueryBusy {
public:
    // Marks a query as running; false (and nothing changes) when one already runs.
    bool tryStart() {
        int expected = 0;
        return m_value.compare_exchange_strong(expected, 1);
    }
    // The running query ended, whichever way.
    void finish() { m_value.store(0); }
    int value() const { return m_value.load(); }

private:
    std::atomic<int> m_value{0};
};

} // namespace ts
