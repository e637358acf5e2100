#pragma once
// The main window on the real links to the simulated unit, loaded from stored settings and
// not yet connected: over a pseudo-terminal (COM3, the saved address "A", no search) or over
// loopback TCP. It notes whether "Disconnect" was ever shown.
#include "app/Program.h"
#include "platform/QtClock.h"
#include "platform/QtSerialControl.h"
#include "platform/QtTcpSocket.h"
#include "support/FakePlatform.h"
#include "support/SimUnitSerial.h"
#include "support/SimUnitTcp.h"
#include "app/frmMain.h"
#include <memory>

struct LinkedMainWindow {
    LinkedMainWindow(bool overTcp, const SimUnitProfile& profile);
    ~LinkedMainWindow();
    frmMain& w() { return *window; }
    Program& p() { return *program; }

    SimUnit unit;
    SimUnitSerial serialSim{unit};
    SimUnitTcp tcpSim{unit};
    MemorySettingsStore store;
    QtSerialControl serial{&store};
    FakeSerialControl noSerial;   // over TCP: no serial line at all
    QtTcpSocket socket;
    QtClock clock;
    FakePrompts prompts;
    FakePlatform fakes;   // the services the window needs none of
    std::unique_ptr<Program> program;
    std::unique_ptr<frmMain> window;
    std::unique_ptr<QObject> watcher;
    bool disconnectShown = false;
};
