#pragma once
// The main window connected to a simulated unit over a pseudo-terminal or loopback TCP,
// for saving and replaying whole configuration command files. The unit refuses the
// queries its profile does not know and acknowledges every setting command; the wall
// clock of the file header is fixed, the poll timer is off.
#include "FileBytes.h"
#include "app/Program.h"
#include "app/frmMain.h"
#include "platform/Folders.h"
#include "platform/QtClock.h"
#include "platform/QtSerialControl.h"
#include "platform/QtTcpSocket.h"
#include "support/FakePlatform.h"
#include "support/MemorySettingsStore.h"
#include "support/SimUnit.h"
#include "support/SimUnitSerial.h"
#include "support/SimUnitTcp.h"
#include <QTemporaryDir>
#include <memory>

enum class CmdFileLink { Pty, Tcp };

// The real clock with a fixed wall-clock time for file headers.
class FixedDateClock final : public IClock {
public:
    qint64 msNow() const override { return real.msNow(); }
    void sleepMs(int ms) override { real.sleepMs(ms); }
    void processEvents(bool excludeUserInput = false) override { real.processEvents(excludeUserInput); }
    void waitForEvents(int maxMs, bool excludeUserInput = false) override
    {
        real.waitForEvents(maxMs, excludeUserInput);
    }
    QDateTime localDateTime() const override { return QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)); }

private:
    QtClock real;
};

struct CmdFileWindow {
    CmdFileWindow(CmdFileLink link, const SimUnitProfile& profile);
    ~CmdFileWindow();
    Program& p() { return *program; }
    frmMain& w() { return *window; }
    // Connects and reads the unit; false (with a test failure) when the window did not connect.
    bool connect();
    // The file saved into `folder` (made when missing) under `name`; "<missing>" when none.
    QByteArray save(const QString& folder, const QString& name);

    CmdFileLink link;
    SimUnit unit;
    SimUnitSerial serialSim{unit};
    SimUnitTcp tcpSim{unit};
    MemorySettingsStore store;
    QtSerialControl serial{&store};
    QtTcpSocket socket;
    FixedDateClock clock;
    FakePlatform fakes;   // prompts, shell, indicator and folders; the rest unused
    FakePrompts& prompts = fakes.prompts;
    FakeShell& shell = fakes.shell;
    FakeProgress& progress = fakes.progress;
    QTemporaryDir& tmp = fakes.tmp;
    const Folders& folders = fakes.folders;
    std::unique_ptr<Program> program;
    std::unique_ptr<frmMain> window;
};
