// What waiting for the unit costs the program's thread, over loopback TCP and over a
// pseudo-terminal, the unit answering from a thread of its own:
//  - BM_Tcp/BM_Serial Transaction/late_ms: one command answered 0, 20 or 200 ms late;
//  - ...BackToBack/late_ms: two commands, as a poll tick sends them;
//  - ...SecondSilent: the second command of a tick unanswered, its whole wait (15 s over
//    TCP, the 2 s time-out on the line);
//  each with the thread's CPU time as a share of the wall time (cpu_pct) and the rounds of
//  events per wait (rounds_per_wait).
//  - BM_CloseLatency/tcp: the window's close request, posted from another thread as the
//    window system would, while a serial search probes a silent unit or a TCP poll waits
//    on one: the time from the request to the window's unload (mean and worst).
//  - BM_BareSleep/sleep_ms: a bare poll() sleep of 50, 200 and 2000 ms, no Qt at all: the
//    CPU this machine counts for one wake-up of a sleeping thread, the floor of cpu_pct.
#include "BenchMain.h"
#include "link/Transaction.h"
#include "support/EventRounds.h"
#include "support/LinkedMainWindow.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitTcpThread.h"
#include "status/UnitConnection.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>
#include <poll.h>
#include <thread>
#include <vector>

namespace {

double ms(clockid_t id)
{
    timespec ts{};
    clock_gettime(id, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// CPU and wall time of the thread, and its rounds of events, over a stretch of waits.
struct WaitFigures {
    double cpuMs = 0, wallMs = 0;
    int rounds = 0, waits = 0;

    template <class Body> bool measure(int waitsInBody, Body body)
    {
        EventRounds counter;
        const double c0 = ms(CLOCK_THREAD_CPUTIME_ID), w0 = ms(CLOCK_MONOTONIC);
        const bool ok = body();
        cpuMs += ms(CLOCK_THREAD_CPUTIME_ID) - c0;
        wallMs += ms(CLOCK_MONOTONIC) - w0;
        rounds += counter.count();
        waits += waitsInBody;
        return ok;
    }
    void report(benchmark::State& state) const
    {
        state.counters["cpu_pct"] = wallMs > 0 ? 100.0 * cpuMs / wallMs : 0.0;
        state.counters["rounds_per_wait"] = waits > 0 ? double(rounds) / waits : 0.0;
        state.counters["wall_ms_per_wait"] = waits > 0 ? wallMs / waits : 0.0;
    }
};

// The unit's profile: the tick's status query and "?P" answered `lateMs` late, or "?P" not.
SimUnitProfile lateProfile(int lateMs, bool secondSilent = false)
{
    SimUnitProfile profile = twtaProfile();
    profile.behaviour["?!#("].delayMs = lateMs;
    profile.behaviour["?P"].delayMs = lateMs;
    if (secondSilent)
        profile.behaviour["?P"].kind = SimBehaviour::Silent;
    return profile;
}

// A program connected over loopback TCP to a unit served from its own thread.
struct TcpLink {
    explicit TcpLink(const SimUnitProfile& profile) : unit(profile) { ok = t.connectTo(sim.port()); }
    Program& p() { return t.p(); }
    SimUnit unit;
    SimUnitTcpThread sim{unit};
    LoopbackTcpProgram t;
    bool ok = false;
};

// A program on the pseudo-terminal (the unit serves it from its own thread), port open.
struct SerialLink {
    explicit SerialLink(const SimUnitProfile& profile) : t(profile)
    {
        const SimUnitProfile late = t.unit.profile();
        t.unit.setProfile(twtaProfile());
        ok = SendUnitCommand(t.p(), "?!#(");   // opens the port
        t.unit.setProfile(late);
    }
    Program& p() { return t.p(); }
    SerialUnitProgram t;
    bool ok = false;
};

// Sends `commands` per iteration, each a wait; `answered` says whether the last is answered.
template <class Link>
void runWaits(benchmark::State& state, const SimUnitProfile& profile, const QByteArrayList& commands, bool answered)
{
    Link link(profile);
    if (!link.ok) {
        state.SkipWithError("no link to the simulated unit");
        return;
    }
    WaitFigures figures;
    for (auto _ : state) {
        const bool ok = figures.measure(int(commands.size()), [&] {
            bool all = true;
            for (const QByteArray& c : commands)
                all = SendUnitCommand(link.p(), QString::fromLatin1(c)) && all;
            return all;
        });
        if (ok != answered) {
            state.SkipWithError(answered ? "the unit did not answer" : "a silent unit answered");
            return;
        }
    }
    figures.report(state);
}

void BM_TcpTransaction(benchmark::State& state)
{
    runWaits<TcpLink>(state, lateProfile(int(state.range(0))), {"?!#("}, true);
}
void BM_TcpBackToBack(benchmark::State& state)
{
    runWaits<TcpLink>(state, lateProfile(int(state.range(0))), {"?!#(", "?P"}, true);
}
void BM_TcpSecondSilent(benchmark::State& state)
{
    runWaits<TcpLink>(state, lateProfile(0, true), {"?!#(", "?P"}, false);
}
void BM_SerialTransaction(benchmark::State& state)
{
    runWaits<SerialLink>(state, lateProfile(int(state.range(0))), {"?!#("}, true);
}
void BM_SerialBackToBack(benchmark::State& state)
{
    runWaits<SerialLink>(state, lateProfile(int(state.range(0))), {"?!#(", "?P"}, true);
}
void BM_SerialSecondSilent(benchmark::State& state)
{
    runWaits<SerialLink>(state, lateProfile(0, true), {"?!#(", "?P"}, false);
}

void lateArgs(benchmark::internal::Benchmark* b)
{
    b->ArgName("late_ms")->Arg(0)->Arg(20)->Arg(200)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_TcpTransaction)->Apply(lateArgs)->Iterations(20);
BENCHMARK(BM_TcpBackToBack)->Apply(lateArgs)->Iterations(10);
BENCHMARK(BM_TcpSecondSilent)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerialTransaction)->Apply(lateArgs)->Iterations(20);
BENCHMARK(BM_SerialBackToBack)->Apply(lateArgs)->Iterations(10);
BENCHMARK(BM_SerialSecondSilent)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_BareSleep(benchmark::State& state)
{
    WaitFigures figures;
    for (auto _ : state)
        figures.measure(1, [&] { return ::poll(nullptr, 0, int(state.range(0))) == 0; });
    figures.report(state);
}
BENCHMARK(BM_BareSleep)
    ->ArgName("sleep_ms")
    ->Arg(50)
    ->Arg(200)
    ->Arg(2000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The close request `afterMs` into a wait on a silent unit: a serial search's probe, or a
// TCP poll tick. Milliseconds from the request to the unload.
double closeLatency(bool overTcp, int afterMs)
{
    SimUnitProfile profile = twtaProfile();
    profile.refuseAllUnknown();
    LinkedMainWindow t(overTcp ? UnitLink::Tcp : UnitLink::Serial, profile);
    if (overTcp) {
        t.w().connection().btnConnect_Click();
        if (t.w().ui.btnConnect->text() != "Disconnect")
            return -1;
        t.w().Timer1.stop();
    }
    t.unit.editProfile([](SimUnitProfile& p) {
        p.behaviour.clear();
        p.defaultBehaviour.kind = SimBehaviour::Silent;
    });
    t.w().show();
    QWindow* window = t.w().windowHandle();
    std::chrono::steady_clock::time_point requested, unloaded;
    bool done = false;
    QObject::connect(&t.w(), &frmMain::unloaded, [&] {
        unloaded = std::chrono::steady_clock::now();
        done = true;
    });
    std::thread operatorThread([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
        requested = std::chrono::steady_clock::now();
        QCoreApplication::postEvent(window, new QCloseEvent);
    });
    {
        BusyScope busy(t.w().handlerDepth());
        if (overTcp) {
            t.w().Timer1_Timer();
        } else {
            t.w().ui.mnuPollEn->setChecked(false);   // no saved address: the search probes
            t.w().connection().btnConnect_Click();
        }
    }
    operatorThread.join();
    if (!QTest::qWaitFor([&] { return done; }, 20000))
        return -1;
    return std::chrono::duration<double, std::milli>(unloaded - requested).count();
}

void BM_CloseLatency(benchmark::State& state)
{
    const bool overTcp = state.range(0) != 0;
    std::vector<double> latencies;
    int afterMs = 150;
    for (auto _ : state) {
        const double latency = closeLatency(overTcp, afterMs);
        if (latency < 0) {
            state.SkipWithError("the window did not connect or did not close");
            return;
        }
        latencies.push_back(latency);
        afterMs += 97;   // a different moment of the wait each time
    }
    double sum = 0;
    for (double l : latencies)
        sum += l;
    state.counters["close_ms_mean"] = sum / double(latencies.size());
    state.counters["close_ms_max"] = *std::max_element(latencies.begin(), latencies.end());
}
BENCHMARK(BM_CloseLatency)->ArgName("tcp")->Arg(0)->Arg(1)->Iterations(5)->Unit(benchmark::kMillisecond);

}   // namespace

int main(int argc, char** argv) { return RunBenchmarks<QApplication>(argc, argv); }
