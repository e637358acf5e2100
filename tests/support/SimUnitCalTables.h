#pragma once
// The simulated unit's calibration tables, forward RF power ('F') and attenuator ('A'):
//  - "Y?C<level>" answers the echo "Y?C" and the entry stored at that level (in tenths of
//    a dB), or the echo and "NO ENTRY" at a level without one; a level may answer without
//    the echo, or without ETX;
//  - "YAL" is acknowledged;
//  - "Y?I" begins an upload, "Y?F<value> <entry>" writes the entry "<value> dB Entry#<entry>"
//    at its level, "Y?S" makes what was written since the begin the table, "Y?A" drops it.
//    A table without begin and save refuses those two and stores each write at once.
// Every write taken is recorded. A behaviour the profile gives a command (NAK, silence, a
// dropped connection...) shapes its answer, and a command not answered normally changes
// nothing.
#include "support/SimUnit.h"
#include <QMap>
#include <mutex>

class SimUnitCalTables : public SimUnitFeature {
public:
    enum class Form { Entry, NoEcho, NoEtx };
    struct Level {
        QByteArray entry;
        Form form = Form::Entry;
    };
    struct Table {
        QMap<int, Level> levels;   // by tenths of a dB
        bool beginAndSave = true;
    };

    void setTable(char kind, const Table& table);
    Table table(char kind) const;
    // The write commands taken, in order.
    QByteArrayList writes(char kind) const;

    std::optional<SimAnswer> answer(SimUnitProfile& profile, const QByteArray& command) override;

private:
    struct State {
        Table table;
        QMap<int, Level> pending;
        QByteArrayList writes;
    };
    std::optional<SimAnswer> reply(State& s, const QByteArray& command, bool apply);

    mutable std::mutex mutex_;
    State rf_, atn_;
};

// Entries "<level> dB Entry#<four hex digits>" at every tenth from `from` to `to` (tenths).
QMap<int, SimUnitCalTables::Level> CalEntries(int from, int to);
// The entry CalEntries stores at `tenths`.
QByteArray CalEntry(int tenths);
