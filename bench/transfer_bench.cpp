// A whole fault-log download of 1000 entries through the main window, in the paged ("QF")
// and the legacy scheme:
//  - BM_FaultLogSerial/paged/baud: over a pseudo-terminal, the unit pacing each answer by the
//    time its request and reply take on a real line at that baud (8N1, 10 bits a character).
//    Next to the wall time: that wire time, the unit's own turnaround beyond its pacing, and
//    the ratio wall / (wire + turnaround), whose target is at most 1.10.
//  - BM_FaultLogTcp/paged: the same over loopback TCP (no pacing); the wire time is that of
//    the same bytes on 100 Mbit/s Ethernet.
#include "app/Program.h"
#include "app/frmMain.h"
#include "link/Transaction.h"
#include "platform/Folders.h"
#include "support/FakePrompts.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitLogs.h"
#include "support/SimUnitTcpThread.h"
#include "support/UnitFrames.h"
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <memory>

namespace {
constexpr int Entries = 1000;

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

SimUnitLogs::FaultLog faultLog(bool paged)
{
    SimUnitLogs::FaultLog log;
    log.scheme = paged ? SimUnitLogs::Scheme::Paged : SimUnitLogs::Scheme::Legacy;
    log.entries = FaultEntries(Entries, "FLT 0x0004  47.5  2.1 10.5 5120 250.3 6.30 35 0 260314 150926");
    return log;
}

// The commands of the whole download.
QByteArrayList downloadCommands(bool paged)
{
    QByteArrayList commands{"QF0;0"};
    if (paged) {
        commands << "QF0;0";
        for (int i = 0; i < Entries; i += 10)
            commands << "QF" + QByteArray::number(i);
    } else {
        commands << "4";
        for (int i = 100; i < Entries; i += 10)
            commands << "4" + QByteArray::number(i);
    }
    return commands;
}

// What the unit answers each command with, and the bytes each exchange puts on both links.
struct Exchange {
    SimBehaviour::Kind kind;
    int serialBytes, tcpBytes;
};
Exchange exchangeFor(SimUnitLogs& logs, const QByteArray& command)
{
    using namespace unitframes;
    SimUnitProfile none;
    const SimAnswer a = logs.answer(none, command).value_or(SimAnswer{});
    const char start = a.how.kind == SimBehaviour::Nak ? NAK : ACK;
    return {a.how.kind, int(command.size()) + 4 + int(serialReply('A', a.data, start).size()),
            int(command.size()) + 6 + int(tcpReply('A', a.data, start).size())};
}

double serialWireMs(int bytes, int baud) { return bytes * 10.0 * 1000.0 / baud; }

// The main window on the real serial control, the unit behind a pseudo-terminal.
struct SerialWindow {
    SerialWindow(const SimUnitProfile& profile, bool paged, int baud) : link(profile)
    {
        logs->setFaultLog(faultLog(paged));
        unit.addFeature(logs);
        p().platform.prompts = &prompts;
        p().platform.folders = &folders;
        p().LinkObject.setCommSettings(QStringLiteral("%1,N,8,1").arg(baud));
        window = std::make_unique<frmMain>(p());
        ok = SendUnitCommand(p(), "1");   // opens the port
        BeginConnection(p(), false);
        unit.clearCommands();
        serviceBefore = link.sim.totalServiceNs();
    }
    ~SerialWindow() { window.reset(); }
    Program& p() { return link.p(); }

    SerialUnitProgram link;
    SimUnit& unit = link.unit;
    std::shared_ptr<SimUnitLogs> logs = std::make_shared<SimUnitLogs>();
    qint64 serviceBefore = 0;   // the unit's service time before the download
    FakePrompts prompts;
    QTemporaryDir tmp;
    Folders folders{tmp.filePath("data"), tmp.filePath("home")};
    std::unique_ptr<frmMain> window;
    bool ok = false;
};

// The main window connected over loopback TCP to a unit serving from its own thread.
struct TcpWindow {
    TcpWindow(const SimUnitProfile& profile, bool paged) : unit(profile)
    {
        logs->setFaultLog(faultLog(paged));
        unit.addFeature(logs);
        link.p().platform.folders = &folders;
        window = std::make_unique<frmMain>(link.p());
        link.p().hooks.runPollTick = [] {};
        ok = link.connectTo(sim.port());
        window->Timer1.stop();
        unit.clearCommands();
    }
    ~TcpWindow() { window.reset(); }
    Program& p() { return link.p(); }

    SimUnit unit;
    std::shared_ptr<SimUnitLogs> logs = std::make_shared<SimUnitLogs>();
    SimUnitTcpThread sim{unit};
    LoopbackTcpProgram link;
    QTemporaryDir tmp;
    Folders folders{tmp.filePath("data"), tmp.filePath("home")};
    std::unique_ptr<frmMain> window;
    bool ok = false;
};

template <class Window>
bool download(benchmark::State& state, Window& t, const QByteArrayList& expected, double& wallMs)
{
    if (!t.ok) {
        state.SkipWithError("no link to the simulated unit");
        return false;
    }
    QDir().mkpath(t.folders.dataFolder());
    const double t0 = nowMs();
    const QString file = t.window->GetFaultLog(Entries, false);
    wallMs = nowMs() - t0;
    if (file.isEmpty() || t.unit.commands() != expected) {
        state.SkipWithError("the download did not run through");
        return false;
    }
    state.SetIterationTime(wallMs / 1000.0);
    return true;
}

SimUnitProfile baseProfile()
{
    SimUnitProfile profile = twtaProfile();
    profile.refuseAllUnknown();
    return profile;
}

void BM_FaultLogSerial(benchmark::State& state)
{
    const bool paged = state.range(0) != 0;
    const int baud = int(state.range(1));
    const QByteArrayList commands = downloadCommands(paged);
    SimUnitProfile profile = baseProfile();
    SimUnitLogs sizes;
    sizes.setFaultLog(faultLog(paged));
    double wireMs = 0, delayMs = 0;
    for (const QByteArray& c : commands) {
        const Exchange e = exchangeFor(sizes, c);
        SimBehaviour& how = profile.behaviour[c];
        how.kind = e.kind;
        how.delayMs = int(std::lround(serialWireMs(e.serialBytes, baud)));
        wireMs += serialWireMs(e.serialBytes, baud);
        delayMs += how.delayMs;
    }
    double wallMs = 0, turnaroundMs = 0;
    for (auto _ : state) {
        SerialWindow t(profile, paged, baud);
        if (!download(state, t, commands, wallMs))
            return;
        turnaroundMs = (t.link.sim.totalServiceNs() - t.serviceBefore) / 1e6 - delayMs;
    }
    state.counters["commands"] = double(commands.size());
    state.counters["wall_ms"] = wallMs;
    state.counters["wire_ms"] = wireMs;
    state.counters["turnaround_ms"] = turnaroundMs;
    state.counters["ratio"] = wallMs / (wireMs + turnaroundMs);
}
BENCHMARK(BM_FaultLogSerial)
    ->ArgsProduct({{1, 0}, {9600, 38400}})
    ->ArgNames({"paged", "baud"})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_FaultLogTcp(benchmark::State& state)
{
    const bool paged = state.range(0) != 0;
    const QByteArrayList commands = downloadCommands(paged);
    SimUnitLogs sizes;
    sizes.setFaultLog(faultLog(paged));
    int bytes = 0;
    for (const QByteArray& c : commands)
        bytes += exchangeFor(sizes, c).tcpBytes;
    double wallMs = 0;
    for (auto _ : state) {
        TcpWindow t(baseProfile(), paged);
        if (!download(state, t, commands, wallMs))
            return;
    }
    state.counters["commands"] = double(commands.size());
    state.counters["wall_ms"] = wallMs;
    state.counters["wire_ms_100Mbit"] = bytes * 8.0 / 1e8 * 1000.0;
}
BENCHMARK(BM_FaultLogTcp)->Arg(1)->Arg(0)->ArgName("paged")->Iterations(3)->UseManualTime()->Unit(
    benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
