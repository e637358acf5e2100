#pragma once
#include <QApplication>
#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <type_traits>

// The main() of every benchmark program: its benchmarks under the Qt application they need
// (a widgets application runs headless unless QT_QPA_PLATFORM says otherwise).
template <typename Application> int RunBenchmarks(int argc, char** argv)
{
    if constexpr (std::is_base_of_v<QGuiApplication, Application>) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
