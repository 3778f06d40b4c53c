#pragma once

#include "base/memory_policy.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>

// Runs the registered benchmarks inside an offscreen QApplication. `setUp` runs once the
// application exists; `tearDown` releases what the benchmarks kept alive, while it still does.
inline int runWidgetBenchmarks(int argc, char **argv, const std::function<void()> &setUp = {},
                               const std::function<void()> &tearDown = {}) {
    MemoryPolicy::tuneAllocator(); // as the programs run
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (tearDown)
        tearDown();
    return 0;
}
