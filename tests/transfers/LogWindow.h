#pragma once
// The main window connected to the simulated unit over a pseudo-terminal or loopback TCP,
// for log downloads. The unit serves its logs from SimUnitLogs and refuses at once what it
// does not know; every command the program writes is recorded with the link time-out in
// force as it goes out. File headers carry a fixed time; the poll timer is stopped after
// the connect, so a download's own switching of it shows.
#include "app/Program.h"
#include "app/frmMain.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/QtClock.h"
#include "platform/QtSerialControl.h"
#include "platform/QtTcpSocket.h"
#include "support/FakePlatform.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingLinks.h"
#include "support/SimUnit.h"
#include "support/SimUnitLogs.h"
#include "support/SimUnitSerial.h"
#include "support/SimUnitTcp.h"
#include <QTemporaryDir>
#include <functional>
#include <memory>

enum class LogLink { Pty, Tcp };
const char* LogLinkName(LogLink link);

// A command as it went out, with the link's time-out at that moment.
struct SentCommand {
    QByteArray command;
    float timeout;
    bool operator==(const SentCommand&) const = default;
};

// The real clock with a fixed wall-clock time, and a hook into each round of events.
class LogTestClock final : public IClock {
public:
    qint64 msNow() const override { return real.msNow(); }
    void sleepMs(int ms) override { real.sleepMs(ms); }
    void processEvents(bool excludeUserInput = false) override
    {
        real.processEvents(excludeUserInput);
        if (onProcessEvents)
            onProcessEvents();
    }
    void waitForEvents(int maxMs, bool excludeUserInput = false) override
    {
        real.waitForEvents(maxMs, excludeUserInput);
    }
    QDateTime localDateTime() const override { return QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)); }
    std::function<void()> onProcessEvents;

private:
    QtClock real;
};

struct LogWindow {
    LogWindow(LogLink link, SimUnitProfile profile);
    ~LogWindow();
    Program& p() { return *program; }
    frmMain& w() { return *window; }
    // Connects and reads the unit; false (with a test failure) when the window did not connect.
    bool connect();
    // Forgets the commands sent, the boxes, the files opened and the progress shown.
    void clearLogs();
    QByteArrayList commands() const;   // the commands sent since the last clear
    QStringList boxes() const;         // "title: text" of the boxes shown since the last clear
    QString dataFile(const QString& name) const { return folders.dataFolder() + QLatin1Char('/') + name; }

    LogLink link;
    SimUnit unit;
    std::shared_ptr<SimUnitLogs> logs = std::make_shared<SimUnitLogs>();
    SimUnitSerial serialSim{unit};
    SimUnitTcp tcpSim{unit};
    MemorySettingsStore store;
    QtSerialControl realSerial{&store};
    QtTcpSocket realSocket;
    QList<SentCommand> sent;
    RecordingSerial serial{realSerial, [this](const QByteArray& bytes) { record(bytes, false); }};
    RecordingTcp socket{realSocket, [this](const QByteArray& bytes) { record(bytes, true); }};
    LogTestClock clock;
    FakePlatform fakes;   // prompts, shell, indicator and folders; the rest unused
    FakePrompts& prompts = fakes.prompts;
    FakeShell& shell = fakes.shell;
    FakeProgress& progress = fakes.progress;
    QTemporaryDir& tmp = fakes.tmp;
    const Folders& folders = fakes.folders;
    std::unique_ptr<Program> program;
    std::unique_ptr<frmMain> window;

private:
    void record(const QByteArray& bytes, bool tcp);
};

QByteArray ReadBytes(const QString& path);
// The lines of a log file after its header (its closing rule and the empty line).
QByteArrayList LogBodyLines(const QByteArray& file);
// The page commands prefix + from, prefix + (from + step), ... up to `to`.
QByteArrayList LogPages(const QByteArray& prefix, int from, int to, int step = 10);
QByteArray GoldenBytes(const char* name);
