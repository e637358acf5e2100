#pragma once
// The simulated unit's logs, served page by page from entry lists:
//  - the fault log in the paged scheme: "QF0;0" answers "QF0;<count>;0;", "QF<i>" the entries
//    from i on, at most ten, as "QF<i>;<count>;<n>;" then each entry and "!", with or without
//    a closing empty entry ("!" once more);
//  - or in the legacy scheme: "QF0;0" is refused, "4" answers the echo "4" and the first 100
//    entries, "4<i>" (i from 100) the echo and the ten entries from i on; the 20-dash end
//    line may follow the last entry, and the pages past the end may be refused;
//  - the parameter logs "4P", "4H", "4D", "4M", "4C": "<log><i>" answers (the echo and) the
//    ten lines from i on, each ended by "!";
//  - the trend logs "4TS", "4TL": "<log><i>" answers (the echo and) the ten records from i
//    on as they stand, and the page's tail when it has one.
// A page may be cut short (fewer entries, lines or records than it should hold) to stand for a
// unit that loses part of a page. A behaviour the profile gives a page's command (NAK,
// silence, a dropped connection or a hang-up) shapes that page's answer, so that any page can
// fail.
#include "support/SimUnit.h"
#include <QMap>
#include <mutex>

class SimUnitLogs : public SimUnitFeature {
public:
    enum class Scheme { None, Paged, Legacy };
    struct FaultLog {
        Scheme scheme = Scheme::None;
        QByteArrayList entries;
        bool closingEmptyEntry = true;   // paged: a page ends with an empty entry
        int reportedCount = -1;          // paged: the count the unit reports; -1 its entries
        bool endLine = false;            // legacy: the 20-dash line follows the last entry
        bool refusePastEnd = false;      // legacy: pages past the last entry are refused
        QMap<int, int> shortPages;       // paged: page index -> entries it holds, its header unchanged
    };
    struct ParamLog {
        QByteArrayList lines;
        bool echo = true;
        QMap<int, int> shortPages;   // page index -> lines it holds
    };

    struct TrendLog {
        QByteArrayList records;
        bool echo = true;
        QMap<int, QByteArray> tails;   // page index -> text after its records
        QMap<int, int> shortPages;     // page index -> records it holds
    };

    void setFaultLog(const FaultLog& log);
    void setParamLog(const QByteArray& command, const ParamLog& log);
    void setTrendLog(const QByteArray& command, const TrendLog& log);

    std::optional<SimAnswer> answer(SimUnitProfile& profile, const QByteArray& command) override;

    static const QByteArray EndLine;   // the legacy log's 20 dashes

private:
    std::optional<QByteArray> pagedReply(const QByteArray& command) const;
    std::optional<SimAnswer> legacyReply(const QByteArray& command) const;
    std::optional<QByteArray> paramReply(const QByteArray& command) const;
    std::optional<QByteArray> trendReply(const QByteArray& command) const;

    mutable std::mutex mutex_;
    FaultLog fault_;
    QMap<QByteArray, ParamLog> params_;
    QMap<QByteArray, TrendLog> trends_;
};

// `count` trend records of 200 characters, "<k> <text>" numbered from 1 and padded with ".".
QByteArrayList TrendRecords(int count, const QByteArray& text = "TREND");

// `count` fault-log entries "<k> <text>", numbered from 1.
QByteArrayList FaultEntries(int count, const QByteArray& text = "FLT 0x0004 260314 150926");
