#pragma once
// The main window on the real links to the simulated unit, loaded from stored settings and
// not yet connected: over a pseudo-terminal (COM3, the saved address "A", no search) or over
// loopback TCP (no serial line at all); over the serial line the connect may instead search
// the addresses. Every request the program writes is reported to
// onSent; file headers carry a fixed time; data files go under a temporary folder. It notes
// whether "Disconnect" was ever shown.
#include "app/Program.h"
#include "app/frmMain.h"
#include "platform/Folders.h"
#include "platform/QtClock.h"
#include "platform/QtSerialControl.h"
#include "platform/QtTcpSocket.h"
#include "support/FakePlatform.h"
#include "support/LinkedUnit.h"
#include "support/RecordingLinks.h"
#include "support/SimUnitSerial.h"
#include "support/SimUnitTcp.h"
#include <QTemporaryDir>
#include <functional>
#include <memory>

// The real clock with a fixed wall-clock time, and a hook into each round of events.
class FixedDateClock final : public IClock {
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
    void processWindowEvents() override { real.processWindowEvents(); }
    QDateTime localDateTime() const override { return QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)); }
    std::function<void()> onProcessEvents;

private:
    QtClock real;
};

struct LinkedMainWindow {
    LinkedMainWindow(UnitLink link, const SimUnitProfile& profile, bool searchAddresses = false);
    ~LinkedMainWindow();
    frmMain& w() { return *window; }
    Program& p() { return *program; }
    // Connects with the connect button and stops the poll timer (the tests run the poll);
    // false (with a test failure) when the window did not connect.
    bool connect();
    // "title: text" of the boxes shown since the last clear.
    QStringList boxes() const;

    UnitLink link;
    SimUnit unit;
    SimUnitSerial serialSim{unit};
    SimUnitTcp tcpSim{unit};
    MemorySettingsStore store;
    QtSerialControl realSerial{&store};
    FakeSerialControl noSerial;
    QtTcpSocket realSocket;
    std::function<void(const QByteArray& bytes, bool overTcp)> onSent;
    RecordingSerial serial{link == UnitLink::Tcp ? static_cast<ISerialControl&>(noSerial) : realSerial,
                           [this](const QByteArray& bytes) { sent(bytes, false); }};
    RecordingTcp socket{realSocket, [this](const QByteArray& bytes) { sent(bytes, true); }};
    FixedDateClock clock;
    FakePlatform fakes;   // prompts, shell, indicator and folders; the rest unused
    FakePrompts& prompts = fakes.prompts;
    FakeShell& shell = fakes.shell;
    FakeProgress& progress = fakes.progress;
    QTemporaryDir& tmp = fakes.tmp;
    const Folders& folders = fakes.folders;
    std::unique_ptr<Program> program;
    std::unique_ptr<frmMain> window;
    std::unique_ptr<QObject> watcher;
    bool disconnectShown = false;

private:
    void sent(const QByteArray& bytes, bool overTcp)
    {
        if (onSent)
            onSent(bytes, overTcp);
    }
    void storeLink(bool searchAddresses);
};
