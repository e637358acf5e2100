// One serial transaction over a pseudo-terminal to the simulated unit:
//  - BM_AddedLatency: the wall time of Clear/send/Receive less the unit's own time to
//    answer (from the last request byte read to the last reply byte written). What is left
//    is the program's framing, writing, waking and reading, plus the pseudo-terminal's
//    transit both ways. Reported as the benchmark's time (manual timing).
//  - BM_SilentWaitCpu: the CPU time the calling thread burns while Receive waits 2 s for
//    a reply that never comes (the unit's thread is not counted), as a share of one core.
#include "BenchMain.h"
#include "link/OVLink.h"
#include "platform/QtClock.h"
#include "platform/QtSerialControl.h"
#include "support/MemorySettingsStore.h"
#include "support/SimUnitSerial.h"
#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>
#include <vector>

namespace {
struct PtyLink {
    SimUnit unit;
    SimUnitSerial sim{unit};
    MemorySettingsStore store;
    QtSerialControl serial{&store};
    QtClock clock;
    OVLink link{&clock};

    explicit PtyLink(int delayMs)
    {
        unit.editProfile([delayMs](SimUnitProfile& p) {
            p.set("?!#(", "?"
                          "\x44\x40\x40\x40"
                          "\x40\x40\x40\x40"
                          "\x40\x40\x40\x40");
            p.defaultBehaviour.delayMs = delayMs;
        });
        sim.start();
        sim.mapPort(store, 1);
        link.setCommControl(&serial);
        link.setCheckAddress(false);
        link.setDeviceAddress("A");
        link.setCommSettings("9600,N,8,1");
        link.setMsgTimeout(2.0f);
    }
    qint16 exchange()
    {
        qint16 err = -1;
        link.Clear();
        link.send(2, "?!#(");
        link.Receive(err);
        return err;
    }
};

double seconds(clockid_t id)
{
    timespec ts{};
    clock_gettime(id, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

void BM_AddedLatency(benchmark::State& state)
{
    PtyLink t(static_cast<int>(state.range(0)));
    if (t.exchange() != 0) {   // opens the port
        state.SkipWithError("no answer from the simulated unit");
        return;
    }
    std::vector<double> added;
    double unitTotal = 0;
    for (auto _ : state) {
        const int served = t.sim.answered();
        const auto t0 = std::chrono::steady_clock::now();
        const qint16 err = t.exchange();
        const auto t1 = std::chrono::steady_clock::now();
        if (err != 0) {
            state.SkipWithError("transaction failed");
            break;
        }
        while (t.sim.answered() == served)   // the unit notes its time just after writing
            std::this_thread::yield();
        const double unit = double(t.sim.lastServiceNs()) * 1e-9;
        added.push_back(std::chrono::duration<double>(t1 - t0).count() - unit);
        state.SetIterationTime(added.back());
        unitTotal += unit;
    }
    if (added.empty())
        return;
    std::sort(added.begin(), added.end());
    const auto at = [&](double q) { return added[size_t(q * double(added.size() - 1))] * 1e6; };
    state.counters["added_p50_us"] = at(0.5);
    state.counters["added_p99_us"] = at(0.99);
    state.counters["added_max_us"] = at(1.0);
    state.counters["unit_us"] = unitTotal / double(added.size()) * 1e6;
}
BENCHMARK(BM_AddedLatency)->Arg(0)->Arg(20)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_SilentWaitCpu(benchmark::State& state)
{
    PtyLink t(0);
    t.exchange();
    t.unit.editProfile([](SimUnitProfile& p) { p.defaultBehaviour.kind = SimBehaviour::Silent; });
    double threadCpu = 0, processCpu = 0, wall = 0;
    for (auto _ : state) {
        const double c0 = seconds(CLOCK_THREAD_CPUTIME_ID), p0 = seconds(CLOCK_PROCESS_CPUTIME_ID);
        const double w0 = seconds(CLOCK_MONOTONIC);
        const qint16 err = t.exchange();
        wall += seconds(CLOCK_MONOTONIC) - w0;
        threadCpu += seconds(CLOCK_THREAD_CPUTIME_ID) - c0;
        processCpu += seconds(CLOCK_PROCESS_CPUTIME_ID) - p0;
        if (err != 8) {
            state.SkipWithError("expected No Response");
            break;
        }
    }
    state.counters["wait_s"] = wall / double(state.iterations());
    state.counters["cpu_pct_thread"] = 100.0 * threadCpu / wall;
    state.counters["cpu_pct_process"] = 100.0 * processCpu / wall;
}
BENCHMARK(BM_SilentWaitCpu)->Iterations(3)->Unit(benchmark::kMillisecond);
}   // namespace

int main(int argc, char** argv) { return RunBenchmarks<QCoreApplication>(argc, argv); }
