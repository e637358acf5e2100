// The first read and the poll against the simulated unit:
//  - BM_FirstReadSerial/tube/baud: the wall time of the whole first read over a
//    pseudo-terminal, the unit pacing each answer by the time its request and reply take on
//    a real line at that baud (8N1, 10 bits a character), next to that wire time; what is
//    left is the program's own share (framing, waking, parsing, filling the window).
//  - BM_FirstReadTcp/tube: the same over loopback TCP (no pacing); the wire time is that of
//    the same bytes on 100 Mbit/s Ethernet.
//  - BM_PollCpu/link: the CPU the program's thread uses while it polls an idle unit: the
//    real 2.5 s timer for 15 s, and 84 polls back to back (a whole cycle of readings and
//    clock ticks) scaled to the 24 polls of a minute; as a share of one core.
//  - BM_PollTick/tcp/late_ms: single ticks with every answer 0 or 200 ms late (below).
#include "BenchMain.h"
#include "app/Program.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "support/EventRounds.h"
#include "support/FakePrompts.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitTcpThread.h"
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include "app/frmMain.h"
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <ctime>
#include <memory>

namespace {

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The family's profile, refusing at once whatever it does not know.
SimUnitProfile profileFor(bool tube)
{
    SimUnitProfile profile = tube ? twtaProfile() : sspaProfile();
    profile.refuseAllUnknown();
    return profile;
}

// The commands of a first read of this profile (on the scripted fake link).
QByteArrayList firstReadCommands(const SimUnitProfile& profile)
{
    TestProgram t;
    t.replies = profile.replies;
    frmMain w(t.p());
    w.FirstTimeRead();
    return t.commands;
}

// Bytes of one exchange on each link: the request frame and the unit's answer (NAK for
// what it does not know).
struct ExchangeBytes {
    int serial = 0, tcp = 0;
};
ExchangeBytes exchangeBytes(const SimUnitProfile& profile, const QByteArray& command)
{
    using namespace unitframes;
    const bool known = profile.knows(command);
    const QByteArray data = known ? profile.replies.value(command) : QByteArray();
    const char start = known ? ACK : NAK;
    return {int(command.size()) + 4 + int(serialReply(profile.address, data, start).size()),
            int(command.size()) + 6 + int(tcpReply(profile.address, known ? data : QByteArray(), start).size())};
}

double serialWireMs(int bytes, int baud) { return bytes * 10.0 * 1000.0 / baud; }

// A window on the real serial control, the unit behind a pseudo-terminal.
struct SerialWindow {
    SerialWindow(const SimUnitProfile& profile, int baud) : link(profile)
    {
        p().LinkObject.setCommSettings(QStringLiteral("%1,N,8,1").arg(baud));
        window = std::make_unique<frmMain>(p());
        ok = SendUnitCommand(p(), "1");   // opens the port
        BeginConnection(p(), false);
        unit.clearCommands();
    }
    ~SerialWindow() { window.reset(); }
    Program& p() { return link.p(); }
    void firstRead() { window->FirstTimeRead(); }

    SerialUnitProgram link;
    SimUnit& unit = link.unit;
    FakePrompts& prompts = link.fakes.prompts;
    std::unique_ptr<frmMain> window;
    bool ok = false;
};

// A window connected over loopback TCP, its first read not yet run.
struct TcpWindow {
    explicit TcpWindow(const SimUnitProfile& profile) : unit(profile)
    {
        window = std::make_unique<frmMain>(link.p());
        link.p().hooks.runPollTick = [] {};   // the first read is timed on its own
        ok = link.connectTo(sim.port());
        window->Timer1.stop();
        unit.clearCommands();
    }
    ~TcpWindow() { window.reset(); }
    Program& p() { return link.p(); }
    void firstRead() { window->Timer1_Timer(); }   // the connect event's tick

    SimUnit unit;
    SimUnitTcpThread sim{unit};
    LoopbackTcpProgram link;
    std::unique_ptr<frmMain> window;
    bool ok = false;
};

// Times the first read on a fresh window per iteration; the wall time of the last one.
template <class Window, class... Args>
double timeFirstReads(benchmark::State& state, const QByteArrayList& expected, const Args&... args)
{
    double wallMs = 0;
    for (auto _ : state) {
        Window t(args...);
        if (!t.ok) {
            state.SkipWithError("no link to the simulated unit");
            return 0;
        }
        const double t0 = nowMs();
        t.firstRead();
        const double elapsed = nowMs() - t0;
        if (!t.p().conn.FirstReadDone || t.unit.commands() != expected) {
            state.SkipWithError("the first read did not run as on the scripted link");
            return 0;
        }
        state.SetIterationTime(elapsed / 1000.0);
        wallMs = elapsed;
    }
    state.counters["commands"] = double(expected.size());
    state.counters["wall_ms"] = wallMs;
    return wallMs;
}

void BM_FirstReadSerial(benchmark::State& state)
{
    const bool tube = state.range(0) != 0;
    const int baud = int(state.range(1));
    SimUnitProfile profile = profileFor(tube);
    const QByteArrayList commands = firstReadCommands(profile);
    int bytes = 0;
    double wireMs = 0;
    for (const QByteArray& c : commands) {
        const int b = exchangeBytes(profile, c).serial;
        bytes += b;
        wireMs += serialWireMs(b, baud);
        SimBehaviour& how = profile.behaviour[c];
        how.kind = profile.knows(c) ? SimBehaviour::Answer : SimBehaviour::Nak;
        how.delayMs = int(std::lround(serialWireMs(b, baud)));
    }
    const double wallMs = timeFirstReads<SerialWindow>(state, commands, profile, baud);
    state.counters["bytes"] = bytes;
    state.counters["wire_ms"] = wireMs;
    state.counters["program_ms"] = wallMs - wireMs;
}
BENCHMARK(BM_FirstReadSerial)
    ->ArgsProduct({{1, 0}, {9600, 38400}})
    ->ArgNames({"tube", "baud"})
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_FirstReadTcp(benchmark::State& state)
{
    const SimUnitProfile profile = profileFor(state.range(0) != 0);
    const QByteArrayList commands = firstReadCommands(profile);
    int bytes = 0;
    for (const QByteArray& c : commands)
        bytes += exchangeBytes(profile, c).tcp;
    timeFirstReads<TcpWindow>(state, commands, profile);
    state.counters["bytes"] = bytes;
    state.counters["wire_ms_100Mbit"] = bytes * 8.0 / 1e8 * 1000.0;
}
BENCHMARK(BM_FirstReadTcp)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("tube")
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// CPU of the window's thread while it polls: on the real timer, and back to back.
void measurePolling(benchmark::State& state, frmMain& w, Program& p)
{
    constexpr int cyclePolls = 84;   // readings every 4th, the clock on 21, 42, 63 and 85
    const double cpu0 = threadCpuMs();
    for (int i = 0; i < cyclePolls; ++i)
        w.Timer1_Timer();
    const double perPollMs = (threadCpuMs() - cpu0) / cyclePolls;

    constexpr int timedMs = 15000;
    QEventLoop loop;
    QTimer::singleShot(timedMs, &loop, &QEventLoop::quit);
    const double cpu1 = threadCpuMs(), wall1 = nowMs();
    w.Timer1.start();
    loop.exec();
    w.Timer1.stop();
    const double timerCpuMs = threadCpuMs() - cpu1, timerWallMs = nowMs() - wall1;

    if (p.conn.PollRetriesLeft != 2 || !p.txn.LinkUp)
        state.SkipWithError("a poll went unanswered");
    state.counters["poll_cpu_us"] = perPollMs * 1000.0;
    state.counters["scaled_cpu_pct"] = 100.0 * perPollMs * 24.0 / 60000.0;
    state.counters["timer_cpu_pct"] = 100.0 * timerCpuMs / timerWallMs;
}

template <class Window, class... Args> void pollWindow(benchmark::State& state, const Args&... args)
{
    Window t(args...);
    if (!t.ok) {
        state.SkipWithError("no link to the simulated unit");
        return;
    }
    t.firstRead();
    measurePolling(state, *t.window, t.p());
}

void BM_PollCpu(benchmark::State& state)
{
    const SimUnitProfile profile = profileFor(false);
    for (auto _ : state) {
        if (state.range(0) != 0)
            pollWindow<TcpWindow>(state, profile);
        else
            pollWindow<SerialWindow>(state, profile, 9600);
    }
}
BENCHMARK(BM_PollCpu)->Arg(1)->Arg(0)->ArgName("tcp")->Iterations(1)->Unit(benchmark::kMillisecond);

// One poll tick at a time, the unit answering every command `late_ms` late: the tick's CPU
// as a share of its own wall time and of the 2.5 s poll period, and its rounds of events
// per command.
template <class Window, class... Args> void tickWindow(benchmark::State& state, int lateMs, const Args&... args)
{
    Window t(args...);
    if (!t.ok) {
        state.SkipWithError("no link to the simulated unit");
        return;
    }
    t.firstRead();
    t.unit.editProfile([lateMs](SimUnitProfile& p) {
        p.defaultBehaviour.delayMs = lateMs;
        for (SimBehaviour& how : p.behaviour)
            how.delayMs = lateMs;
    });
    double cpuMs = 0, wallMs = 0;
    int rounds = 0, ticks = 0;
    for (auto _ : state) {
        const qsizetype sent = t.unit.commands().size();
        EventRounds counter;
        const double cpu0 = threadCpuMs(), wall0 = nowMs();
        t.window->Timer1_Timer();
        cpuMs += threadCpuMs() - cpu0;
        wallMs += nowMs() - wall0;
        rounds += counter.count();
        ticks += int(t.unit.commands().size() - sent);
    }
    if (t.p().conn.PollRetriesLeft != 2 || !t.p().txn.LinkUp)
        state.SkipWithError("a poll went unanswered");
    const double n = double(state.iterations());
    state.counters["cpu_pct"] = 100.0 * cpuMs / wallMs;
    state.counters["cpu_pct_of_period"] = 100.0 * cpuMs / n / 2500.0;
    state.counters["rounds_per_wait"] = ticks > 0 ? double(rounds) / ticks : 0.0;
    state.counters["commands_per_tick"] = double(ticks) / n;
}

void BM_PollTick(benchmark::State& state)
{
    const SimUnitProfile profile = profileFor(false);
    const int lateMs = int(state.range(1));
    if (state.range(0) != 0)
        tickWindow<TcpWindow>(state, lateMs, profile);
    else
        tickWindow<SerialWindow>(state, lateMs, profile, 9600);
}
BENCHMARK(BM_PollTick)
    ->ArgsProduct({{1, 0}, {0, 200}})
    ->ArgNames({"tcp", "late_ms"})
    ->Iterations(12)
    ->Unit(benchmark::kMillisecond);

}   // namespace

int main(int argc, char** argv) { return RunBenchmarks<QApplication>(argc, argv); }
