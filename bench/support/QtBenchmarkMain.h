#pragma once

// Main of the benchmarks that draw through Qt widgets: one QApplication on the offscreen
// platform unless the caller chose another.
#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstdlib>

inline int RunQtBenchmarks(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
