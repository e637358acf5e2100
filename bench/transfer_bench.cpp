// Whole transfers through the main window: a fault-log download of 1000 entries in the
// paged ("QF") and the legacy scheme, and a whole forward RF calibration table (769 levels)
// and attenuator table ("YAL" and 601 levels):
//  - BM_FaultLogSerial/paged/baud, BM_CalTableSerial/atn/baud: over a pseudo-terminal, the
//    unit pacing each answer by the time its request and reply take on a real line at that
//    baud (8N1, 10 bits a character). Next to the wall time: that wire time, the unit's own
//    turnaround beyond its pacing, and the ratio wall / (wire + turnaround), whose target is
//    at most 1.10.
//  - BM_FaultLogTcp/paged, BM_CalTableTcp/atn: the same over loopback TCP (no pacing); the
//    wire time is that of the same bytes on 100 Mbit/s Ethernet.
#include "BenchMain.h"
#include "app/Program.h"
#include "app/frmMain.h"
#include "link/Transaction.h"
#include "platform/Folders.h"
#include "support/FakePrompts.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitCalTables.h"
#include "support/SimUnitLogs.h"
#include "support/SimUnitTcpThread.h"
#include "support/UnitFrames.h"
#include "transfers/CalTransfers.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <functional>
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
Exchange exchangeFor(SimUnitFeature& unit, const QByteArray& command)
{
    using namespace unitframes;
    SimUnitProfile none;
    const SimAnswer a = unit.answer(none, command).value_or(SimAnswer{});
    const char start = a.how.kind == SimBehaviour::Nak ? NAK : ACK;
    return {a.how.kind, int(command.size()) + 4 + int(serialReply('A', a.data, start).size()),
            int(command.size()) + 6 + int(tcpReply('A', a.data, start).size())};
}

double serialWireMs(int bytes, int baud) { return bytes * 10.0 * 1000.0 / baud; }

// The main window on the real serial control, the unit behind a pseudo-terminal.
struct SerialWindow {
    SerialWindow(const SimUnitProfile& profile, std::shared_ptr<SimUnitFeature> feature, int baud) : link(profile)
    {
        unit.addFeature(std::move(feature));
        p().LinkObject.setCommSettings(QStringLiteral("%1,N,8,1").arg(baud));
        window = std::make_unique<frmMain>(p());
        ok = SendUnitCommand(p(), "1");   // opens the port
        BeginConnection(p(), false);
        unit.clearCommands();
        serviceBefore = link.sim.totalServiceNs();
    }
    ~SerialWindow() { window.reset(); }
    Program& p() { return link.p(); }
    FakePrompts& prompts() { return link.fakes.prompts; }

    SerialUnitProgram link;
    SimUnit& unit = link.unit;
    const Folders& folders = link.fakes.folders;
    qint64 serviceBefore = 0;   // the unit's service time before the download
    std::unique_ptr<frmMain> window;
    bool ok = false;
};

// The main window connected over loopback TCP to a unit serving from its own thread.
struct TcpWindow {
    TcpWindow(const SimUnitProfile& profile, std::shared_ptr<SimUnitFeature> feature) : unit(profile)
    {
        unit.addFeature(std::move(feature));
        window = std::make_unique<frmMain>(link.p());
        link.p().hooks.runPollTick = [] {};
        ok = link.connectTo(sim.port());
        window->Timer1.stop();
        unit.clearCommands();
    }
    ~TcpWindow() { window.reset(); }
    Program& p() { return link.p(); }
    FakePrompts& prompts() { return link.prompts; }

    SimUnit unit;
    SimUnitTcpThread sim{unit};
    LoopbackTcpProgram link;
    const Folders& folders = link.fakes.folders;
    std::unique_ptr<frmMain> window;
    bool ok = false;
};

// Runs one whole transfer (`run`: true when it wrote its file) and checks its commands.
template <class Window>
bool transfer(benchmark::State& state, Window& t, const QByteArrayList& expected, double& wallMs,
              const std::function<bool(Window&)>& run)
{
    if (!t.ok) {
        state.SkipWithError("no link to the simulated unit");
        return false;
    }
    QDir().mkpath(t.folders.dataFolder());
    const double t0 = nowMs();
    const bool written = run(t);
    wallMs = nowMs() - t0;
    if (!written || t.unit.commands() != expected) {
        state.SkipWithError("the transfer did not run through");
        return false;
    }
    state.SetIterationTime(wallMs / 1000.0);
    return true;
}

template <class Window>
bool download(benchmark::State& state, Window& t, const QByteArrayList& expected, double& wallMs)
{
    return transfer<Window>(state, t, expected, wallMs,
                            [](Window& w) { return !w.window->GetFaultLog(Entries, false).isEmpty(); });
}

std::shared_ptr<SimUnitFeature> logsFor(bool paged)
{
    auto logs = std::make_shared<SimUnitLogs>();
    logs->setFaultLog(faultLog(paged));
    return logs;
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
        SerialWindow t(profile, logsFor(paged), baud);
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
        TcpWindow t(baseProfile(), logsFor(paged));
        if (!download(state, t, commands, wallMs))
            return;
    }
    state.counters["commands"] = double(commands.size());
    state.counters["wall_ms"] = wallMs;
    state.counters["wire_ms_100Mbit"] = bytes * 8.0 / 1e8 * 1000.0;
}
BENCHMARK(BM_FaultLogTcp)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("paged")
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// ---- calibration tables ----

// A unit whose table has an entry at every level read: the download reads them all. The
// window has no identity read, so the attenuator table starts at -4.0.
constexpr int AtnFirstTenths = -40;

std::shared_ptr<SimUnitCalTables> calTablesFor(bool atn)
{
    auto cal = std::make_shared<SimUnitCalTables>();
    cal->setTable(atn ? 'A' : 'F', {atn ? CalEntries(AtnFirstTenths, AtnFirstTenths + 600) : CalEntries(0, 768)});
    return cal;
}

QByteArray levelText(int tenths)
{
    const int a = std::abs(tenths);
    return QByteArray(tenths < 0 ? "-" : "") + QByteArray::number(a / 10).rightJustified(2, '0') + '.' +
           QByteArray::number(a % 10);
}

QByteArrayList calCommands(bool atn)
{
    QByteArrayList commands;
    if (atn)
        commands << "YAL";
    const int first = atn ? AtnFirstTenths : 0;
    for (int k = 0; k < (atn ? 601 : 769); ++k)
        commands << QByteArray(atn ? "YAC" : "YFC") + levelText(first + k);
    return commands;
}

template <class Window>
bool calDownload(benchmark::State& state, Window& t, bool atn, const QByteArrayList& expected, double& wallMs)
{
    const QString path = t.folders.dataFolder() + (atn ? "/atn.txt" : "/rf.txt");
    return transfer<Window>(state, t, expected, wallMs, [&](Window& w) {
        w.prompts().fileAnswers << path;
        w.window->calTables().mnuCalTables_Click(atn ? 4 : 0);
        return QFile::exists(path);
    });
}

void BM_CalTableSerial(benchmark::State& state)
{
    const bool atn = state.range(0) != 0;
    const int baud = int(state.range(1));
    const QByteArrayList commands = calCommands(atn);
    SimUnitProfile profile = baseProfile();
    const auto sizes = calTablesFor(atn);
    double wireMs = 0, delayMs = 0;
    for (const QByteArray& c : commands) {
        const Exchange e = exchangeFor(*sizes, c);
        SimBehaviour& how = profile.behaviour[c];
        how.delayMs = int(std::lround(serialWireMs(e.serialBytes, baud)));
        wireMs += serialWireMs(e.serialBytes, baud);
        delayMs += how.delayMs;
    }
    double wallMs = 0, turnaroundMs = 0;
    for (auto _ : state) {
        SerialWindow t(profile, calTablesFor(atn), baud);
        if (!calDownload(state, t, atn, commands, wallMs))
            return;
        turnaroundMs = (t.link.sim.totalServiceNs() - t.serviceBefore) / 1e6 - delayMs;
    }
    state.counters["commands"] = double(commands.size());
    state.counters["wall_ms"] = wallMs;
    state.counters["wire_ms"] = wireMs;
    state.counters["turnaround_ms"] = turnaroundMs;
    state.counters["ratio"] = wallMs / (wireMs + turnaroundMs);
}
BENCHMARK(BM_CalTableSerial)
    ->ArgsProduct({{0, 1}, {9600, 38400}})
    ->ArgNames({"atn", "baud"})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_CalTableTcp(benchmark::State& state)
{
    const bool atn = state.range(0) != 0;
    const QByteArrayList commands = calCommands(atn);
    const auto sizes = calTablesFor(atn);
    int bytes = 0;
    for (const QByteArray& c : commands)
        bytes += exchangeFor(*sizes, c).tcpBytes;
    double wallMs = 0;
    for (auto _ : state) {
        TcpWindow t(baseProfile(), calTablesFor(atn));
        if (!calDownload(state, t, atn, commands, wallMs))
            return;
    }
    state.counters["commands"] = double(commands.size());
    state.counters["wall_ms"] = wallMs;
    state.counters["wire_ms_100Mbit"] = bytes * 8.0 / 1e8 * 1000.0;
}
BENCHMARK(BM_CalTableTcp)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("atn")
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}   // namespace

int main(int argc, char** argv) { return RunBenchmarks<QApplication>(argc, argv); }
