#pragma once
// One stand-in for each platform service, and the Platform on them. A test that brings a
// service of its own names it in Overrides; every other service is the fake here.
#include "link/LinkContext.h"
#include "platform/Folders.h"
#include "support/FakeClock.h"
#include "support/FakeProgress.h"
#include "support/FakePrompts.h"
#include "support/FakeSerialControl.h"
#include "support/FakeShell.h"
#include "support/FakeSystemInfoTool.h"
#include "support/FakeTcpSocket.h"
#include "support/FakeUdpSocket.h"
#include "support/MemorySettingsStore.h"
#include <QTemporaryDir>

// The services a test brings to FakePlatform::platform(); each one left out is its fake.
struct PlatformOverrides {
    ISerialControl* serial = nullptr;
    ITcpSocket* tcp = nullptr;
    IClock* clock = nullptr;
    IPrompts* prompts = nullptr;
    ISettingsStore* settings = nullptr;
    IShell* shell = nullptr;
    const Folders* folders = nullptr;
    IUdpSocket* udp = nullptr;
    IProgress* progress = nullptr;
    ISystemInfoTool* sysInfo = nullptr;
};

struct FakePlatform {
    FakeClock clock;
    FakeSerialControl serial{&clock};
    FakeTcpSocket tcp;
    FakePrompts prompts;
    MemorySettingsStore settings;
    FakeShell shell;
    QTemporaryDir tmp;   // files and folders of this test only
    Folders folders{tmp.filePath("data"), tmp.filePath("home")};
    FakeUdpSocket udp;
    FakeProgress progress;
    FakeSystemInfoTool sysInfo;

    using Overrides = PlatformOverrides;

    Platform platform(const Overrides& o = {})
    {
        return Platform{.serial = o.serial ? *o.serial : serial,
                        .tcp = o.tcp ? *o.tcp : tcp,
                        .clock = o.clock ? *o.clock : clock,
                        .prompts = o.prompts ? *o.prompts : prompts,
                        .settings = o.settings ? *o.settings : settings,
                        .shell = o.shell ? *o.shell : shell,
                        .folders = o.folders ? *o.folders : folders,
                        .udp = o.udp ? *o.udp : udp,
                        .progress = o.progress ? *o.progress : progress,
                        .sysInfo = o.sysInfo ? *o.sysInfo : sysInfo};
    }
};
