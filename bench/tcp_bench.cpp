// What the TCP transaction costs on top of the network: the latency it adds to one
// command beyond the loopback round trip of the simulated unit, and the CPU its thread
// burns while it waits 15 s for a reply that never comes.
#include "link/Program.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "platform/QtClock.h"
#include "platform/QtTcpSocket.h"
#include "support/FakePrompts.h"
#include "support/SimUnitTcp.h"
#include <QCoreApplication>
#include <QSemaphore>
#include <QTcpSocket>
#include <QThread>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

namespace {
const QByteArray Request("\x02" "A1\x03" "M\r\n");

// The simulated unit serving from its own thread, so that a blocking client can time the
// bare round trip against the very same server.
class SimThread : public QThread {
public:
    explicit SimThread(SimUnit& unit) : unit_(unit)
    {
        start();
        ready_.acquire();
    }
    ~SimThread() override
    {
        quit();
        wait();
    }
    quint16 port() const { return port_; }

protected:
    void run() override
    {
        SimUnitTcp server(unit_);
        server.listen();
        port_ = server.port();
        ready_.release();
        exec();
    }

private:
    SimUnit& unit_;
    QSemaphore ready_;
    quint16 port_ = 0;
};

struct TcpProgram {
    explicit TcpProgram(quint16 port)
    {
        Platform pf;
        pf.clock = &clock;
        pf.tcp = &socket;
        pf.prompts = &prompts;
        program = std::make_unique<Program>(pf);
        program->LinkObject.setDeviceAddress("A");
        program->conn.UseEnet = true;
        ConnectTcpSocketEvents(*program);
        socket.setRemoteHost("127.0.0.1");
        socket.setRemotePort(port);
        connected = OpenConnection(*program);
    }
    QtClock clock;
    QtTcpSocket socket;
    FakePrompts prompts;
    std::unique_ptr<Program> program;
    bool connected = false;
};

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
    SimThread sim(unit);
    TcpProgram t(sim.port());
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
    SimThread sim(unit);
    TcpProgram t(sim.port());
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
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
