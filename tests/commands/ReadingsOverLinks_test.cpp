// Every reading procedure gives the simulated unit's profile value: over the scripted fake
// link, and over the real serial line on a pseudo-terminal. Time-outs are kept short (0.2 s).
#include "ReadingProcedures.h"
#include "ReplyTable.h"
#include "platform/QtClock.h"
#include "platform/QtSerialControl.h"
#include "support/MemorySettingsStore.h"
#include "support/SimUnitSerial.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
// A Program whose serial line leads to a simulated unit on a pseudo-terminal.
struct SerialUnit {
    SimUnit unit;
    SimUnitSerial sim{unit};
    MemorySettingsStore store;
    QtSerialControl serial{&store};
    QtClock clock;
    std::unique_ptr<Program> program;

    explicit SerialUnit(const SimUnitProfile& profile) : unit(profile)
    {
        if (!sim.start())
            ADD_FAILURE() << "no pseudo-terminal: " << sim.errorText().toStdString();
        sim.mapPort(store, 3);
        Platform pf;
        pf.serial = &serial;
        pf.clock = &clock;
        pf.settings = &store;
        program = std::make_unique<Program>(pf);
        OVLink& link = program->LinkObject;
        link.setCheckAddress(false);
        link.setMsgTimeout(0.2f);
        link.setDeviceAddress("A");
        link.setCommSettings("9600,N,8,1");
        link.setPortNumber(3);
    }
    ~SerialUnit() { program->LinkObject.setOpenPort(false); }
};

void checkReadings(Program& program, bool tube, const char* path)
{
    for (const ReadingCase& c : readingcases::all()) {
        if (tube ? !c.tube : !c.solidState)
            continue;
        EXPECT_EQ(c.read(program), c.expected) << c.name << (tube ? " (TWTA, " : " (SSPA, ") << path << ")";
    }
}

SimUnitProfile profileFor(bool tube) { return tube ? twtaProfile() : sspaProfile(); }
}

TEST(ReadingsOverLinks, FakeLink)
{
    for (const bool tube : {true, false}) {
        TestProgram t;
        t.replies = profileFor(tube).replies;
        checkReadings(t.p(), tube, "fake link");
    }
}

TEST(ReadingsOverLinks, SerialLine)
{
    for (const bool tube : {true, false}) {
        SerialUnit s(profileFor(tube));
        checkReadings(*s.program, tube, "serial");
    }
}
