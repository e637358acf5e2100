#pragma once
// The main window connected to the simulated unit for log downloads. The unit serves its
// logs from SimUnitLogs and refuses at once what it does not know; every command the
// program writes is recorded with the link time-out in force as it goes out. The poll timer
// is stopped after the connect, so a download's own switching of it shows.
#include "support/LinkedMainWindow.h"
#include "support/SimUnitLogs.h"

// A command as it went out, with the link's time-out at that moment.
struct SentCommand {
    QByteArray command;
    float timeout;
    bool operator==(const SentCommand&) const = default;
};

struct LogWindow : LinkedMainWindow {
    LogWindow(UnitLink link, SimUnitProfile profile);
    // Connects and reads the unit; false (with a test failure) when the window did not connect.
    bool connect();
    // Forgets the commands sent, the boxes, the files opened and the progress shown.
    void clearLogs();
    QByteArrayList commands() const;   // the commands sent since the last clear
    QString dataFile(const QString& name) const { return folders.dataFolder() + QLatin1Char('/') + name; }

    std::shared_ptr<SimUnitLogs> logs = std::make_shared<SimUnitLogs>();
    QList<SentCommand> sent;

private:
    void record(const QByteArray& bytes, bool tcp);
};

QByteArray ReadBytes(const QString& path);
// The lines of a log file after its header (its closing rule and the empty line).
QByteArrayList LogBodyLines(const QByteArray& file);
// The page commands prefix + from, prefix + (from + step), ... up to `to`.
QByteArrayList LogPages(const QByteArray& prefix, int from, int to, int step = 10);
QByteArray GoldenBytes(const char* name);
