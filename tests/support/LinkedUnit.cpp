#include "support/LinkedUnit.h"
#include "link/TcpConnection.h"
#include "support/TestProgram.h"
#include <gtest/gtest.h>

SerialUnitProgram::SerialUnitProgram(const SimUnitProfile& profile, const PlatformOverrides& with) : unit(profile)
{
    if (!sim.start())
        ADD_FAILURE() << "no pseudo-terminal: " << sim.errorText().toStdString();
    sim.mapPort(store, 3);
    PlatformOverrides links = with;
    links.serial = &serial;
    links.clock = &clock;
    links.settings = &store;
    program = std::make_unique<Program>(fakes.platform(links));
    OVLink& link = program->LinkObject;
    link.setCheckAddress(false);
    link.setMsgTimeout(2.0f);   // answers end the wait at once; a loaded machine may be slow
    link.setDeviceAddress("A");
    link.setCommSettings("9600,N,8,1");
    link.setPortNumber(3);
}

SerialUnitProgram::~SerialUnitProgram() { program->LinkObject.setOpenPort(false); }

LoopbackTcpProgram::LoopbackTcpProgram(const PlatformOverrides& with)
{
    PlatformOverrides links = with;
    links.tcp = &socket;
    links.clock = &clock;
    program = std::make_unique<Program>(fakes.platform(links));
    program->LinkObject.setDeviceAddress("A");
    program->conn.UseEnet = true;
    ConnectTcpSocketEvents(*program);
}

LoopbackTcpProgram::~LoopbackTcpProgram() { CloseConnection(*program); }

bool LoopbackTcpProgram::connectTo(quint16 port)
{
    socket.setRemoteHost("127.0.0.1");
    socket.setRemotePort(port);
    connected = port != 0 && OpenConnection(*program);
    return connected;
}

TcpUnitProgram::TcpUnitProgram(const SimUnitProfile& profile, const PlatformOverrides& with)
    : LoopbackTcpProgram(with), unit(profile)
{
    program->hooks.runPollTick = [] {};
    if (!sim.listen()) {
        ADD_FAILURE() << "no loopback port for the simulated unit";
        return;
    }
    if (!connectTo(sim.port()))
        ADD_FAILURE() << "could not connect to the simulated unit";
}

const char* UnitLinkName(UnitLink link)
{
    switch (link) {
    case UnitLink::Fake:
        return "FakeLink";
    case UnitLink::Serial:
        return "Serial";
    case UnitLink::Tcp:
        return "Tcp";
    }
    return "";
}

// The one place a program's link is chosen.
UnitLinkProgram::UnitLinkProgram(UnitLink link, const SimUnitProfile& profile, const PlatformOverrides& with)
{
    PlatformOverrides boxes = with;
    if (!boxes.prompts)
        boxes.prompts = &prompts;
    if (link == UnitLink::Tcp) {
        tcp = std::make_unique<TcpUnitProgram>(profile, boxes);
        program = &tcp->p();
        unit = &tcp->unit;
    } else {
        serial = std::make_unique<SerialUnitProgram>(profile, boxes);
        program = &serial->p();
        unit = &serial->unit;
    }
}

SimUnitProfile QuickProfile(SimUnitProfile profile)
{
    profile.refuseAllUnknown();
    return profile;
}

void RunOverLink(UnitLink link, const SimUnitProfile& profile, const std::function<void(Program&)>& body)
{
    if (link == UnitLink::Fake) {
        TestProgram t;
        t.replies = profile.replies;
        body(t.p());
        return;
    }
    UnitLinkProgram u(link, profile);
    if (u.ready())
        body(u.p());
}
