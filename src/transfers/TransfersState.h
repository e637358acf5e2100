#pragma once
#include <QStringList>

// The log downloads' line tables and page state. One download runs at a time (TransferLock),
// so one set serves them all.
struct TransfersState {
    bool TransferBusy = false;   // a download runs: no other transfer starts

    // Fault log: 1002 slots while a download runs, one otherwise; the first empty slot ends the log.
    QStringList FaultLogLines{QString()};
    // The page state of the paged ("QF") and the legacy ("4") fault log.
    int QFStoredCount = 0;
    int QFPageIndex = 0;
    int LegacyStoredCount = 0;
    int LegacyPageIndex = 0;

    // Parameter log: sized per log while it downloads, one slot otherwise.
    QStringList ParamLogLines{QString()};
    // Trend log: sized for the longest log of its kind while it downloads, one slot otherwise.
    QStringList TrendLogLines{QString()};
};

// Sizes a line table (every slot empty) for its lifetime and shrinks it back to one empty
// slot on every way out.
class LogTableScope {
public:
    LogTableScope(QStringList& table, int size) : table_(table) { reset(size); }
    ~LogTableScope() { reset(1); }
    LogTableScope(const LogTableScope&) = delete;
    LogTableScope& operator=(const LogTableScope&) = delete;

private:
    void reset(int size)
    {
        table_.clear();
        table_.resize(size);
    }
    QStringList& table_;
};
