#pragma once
// Programs on the real serial and TCP stand-ins, each wired to a simulated unit: over a
// pseudo-terminal, and over a loopback TCP connection (127.0.0.1, ephemeral port).
#include "app/Program.h"
#include "platform/QtClock.h"
#include "platform/QtSerialControl.h"
#include "platform/QtTcpSocket.h"
#include "support/FakePlatform.h"
#include "support/SimUnit.h"
#include "support/SimUnitSerial.h"
#include "support/SimUnitTcp.h"
#include <functional>
#include <memory>

// The real clock, or the one a test puts in its place once the program is linked.
class RelayClock final : public IClock {
public:
    qint64 msNow() const override { return to->msNow(); }
    void sleepMs(int ms) override { to->sleepMs(ms); }
    void processEvents(bool excludeUserInput = false) override { to->processEvents(excludeUserInput); }
    void waitForEvents(int maxMs, bool excludeUserInput = false) override
    {
        to->waitForEvents(maxMs, excludeUserInput);
    }
    void processWindowEvents() override { to->processWindowEvents(); }
    QDateTime localDateTime() const override { return to->localDateTime(); }

    QtClock real;
    IClock* to = &real;
};

// The serial line of COM3 leads to the simulated unit; replies are awaited 0.2 s.
struct SerialUnitProgram {
    explicit SerialUnitProgram(const SimUnitProfile& profile, const PlatformOverrides& with = {});
    ~SerialUnitProgram();
    Program& p() { return *program; }

    SimUnit unit;
    SimUnitSerial sim{unit};
    MemorySettingsStore store;
    QtSerialControl serial{&store};
    RelayClock clock;
    FakePlatform fakes;   // the services the link needs none of
    std::unique_ptr<Program> program;
};

// A program on the real TCP socket, using TCP, its socket events in place; connectTo()
// connects it to a loopback port (the connect event's first read runs only if a window has
// put its hooks in by then).
struct LoopbackTcpProgram {
    explicit LoopbackTcpProgram(const PlatformOverrides& with = {});
    ~LoopbackTcpProgram();
    Program& p() { return *program; }
    bool connectTo(quint16 port);

    RelayClock clock;
    QtTcpSocket socket;
    FakePlatform fakes;   // the services the link needs none of
    FakePrompts& prompts = fakes.prompts;
    std::unique_ptr<Program> program;
    bool connected = false;
};

// Connected over TCP to the simulated unit (the connect event's first read left out).
struct TcpUnitProgram : LoopbackTcpProgram {
    explicit TcpUnitProgram(const SimUnitProfile& profile, const PlatformOverrides& with = {});

    SimUnit unit;
    SimUnitTcp sim{unit};
};

// The three links a test runs over: the scripted fake line, a pseudo-terminal or loopback TCP.
enum class UnitLink { Fake, Serial, Tcp };
const char* UnitLinkName(UnitLink link);   // "FakeLink", "Serial", "Tcp"

// The profile with every unknown command refused at once, so a first read is quick.
SimUnitProfile QuickProfile(SimUnitProfile profile);

// A program on the serial or the TCP link (not Fake) to a unit answering by `profile`, its
// boxes going to `prompts`; not ready when TCP did not connect (a test failure is added).
struct UnitLinkProgram {
    // `with.prompts`, when given, takes the boxes in place of `prompts`.
    UnitLinkProgram(UnitLink link, const SimUnitProfile& profile, const PlatformOverrides& with = {});
    bool ready() const { return !tcp || tcp->connected; }
    Program& p() { return *program; }

    FakePrompts prompts;
    std::unique_ptr<SerialUnitProgram> serial;
    std::unique_ptr<TcpUnitProgram> tcp;
    Program* program = nullptr;
    SimUnit* unit = nullptr;
};

// Runs `body` on a program whose link (the scripted fake line, a pseudo-terminal or a
// loopback TCP connection) leads to a unit answering by `profile`.
void RunOverLink(UnitLink link, const SimUnitProfile& profile, const std::function<void(Program&)>& body);
