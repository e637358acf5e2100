// What the TCP transaction costs on top of the network: the latency it adds to one
// command beyond the loopback round trip of the simulated unit, and the CPU its thread
// burns while it waits 15 s for a reply that never comes.
#include "BenchMain.h"
#include "app/Program.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "platform/QtClock.h"
#include "platform/QtTcpSocket.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitTcpThread.h"
#include <QCoreApplication>
#include <QTcpSocket>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

namespace {
const QByteArray Request("\x02"
                         "A1\x03"
                         "M\r\n");

double nowUs()
{
    using namespace std::chrono;
    return duration<double, std::micro>(steady_clock::now().time_since_epoch()).count();
}

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// One request on a plain blocking socket: the loopback round trip with the unit's service.
bool bareRoundTrip(QTcpSocket& s)
{
    s.write(Request);
    s.flush();
    QByteArray got;
    while (!got.contains('\r')) {
        if (!s.waitForReadyRead(2000))
            return false;
        got += s.readAll();
    }
    return true;
}

void BM_TcpTransactionAddedLatency(benchmark::State& state)
{
    SimUnit unit(twtaProfile());
    SimUnitTcpThread sim(unit);
    LoopbackTcpProgram t;
    t.connectTo(sim.port());
    QTcpSocket bare;
    bare.connectToHost(QHostAddress::LocalHost, sim.port());
    if (!t.connected || !bare.waitForConnected(2000)) {
        state.SkipWithError("no connection to the simulated unit");
        return;
    }
    std::vector<double> roundTrips, transactions;
    for (auto _ : state) {
        // Alternate the two so that both see the same machine load.
        const double a = nowUs();
        const bool bareOk = bareRoundTrip(bare);
        const double b = nowUs();
        const bool ok = SendUnitCommand(*t.program, "1");
        const double c = nowUs();
        if (!bareOk || !ok) {
            state.SkipWithError("the simulated unit did not answer");
            return;
        }
        roundTrips.push_back(b - a);
        transactions.push_back(c - b);
    }
    const double rt = median(roundTrips), tx = median(transactions);
    state.counters["roundtrip_us"] = rt;
    state.counters["transaction_us"] = tx;
    state.counters["added_us"] = tx - rt;
}
BENCHMARK(BM_TcpTransactionAddedLatency)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_TcpWaitForSilentUnitCpu(benchmark::State& state)
{
    SimUnit unit(twtaProfile());
    unit.editProfile([](SimUnitProfile& p) { p.behaviour["1"].kind = SimBehaviour::Silent; });
    SimUnitTcpThread sim(unit);
    LoopbackTcpProgram t;
    t.connectTo(sim.port());
    if (!t.connected) {
        state.SkipWithError("no connection to the simulated unit");
        return;
    }
    double cpuMs = 0, wallMs = 0;
    for (auto _ : state) {
        const double cpu0 = threadCpuMs(), wall0 = nowUs();
        const bool ok = SendUnitCommand(*t.program, "1");
        cpuMs = threadCpuMs() - cpu0;
        wallMs = (nowUs() - wall0) / 1000.0;
        if (ok)
            state.SkipWithError("a silent unit answered");
    }
    state.counters["wait_ms"] = wallMs;
    state.counters["cpu_ms"] = cpuMs;
    state.counters["cpu_pct_of_core"] = wallMs > 0 ? 100.0 * cpuMs / wallMs : 0.0;
}
BENCHMARK(BM_TcpWaitForSilentUnitCpu)->Iterations(1)->Unit(benchmark::kMillisecond);
}   // namespace

int main(int argc, char** argv) { return RunBenchmarks<QCoreApplication>(argc, argv); }
