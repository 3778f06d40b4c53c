#pragma once

#include "base/memory_policy.h"

#include <benchmark/benchmark.h>

// main() for benchmarks of the core: the allocator set as the programs set it in theirs.
#define TAMRO_BENCHMARK_MAIN()                                                                     \
    int main(int argc, char **argv) {                                                              \
        MemoryPolicy::tuneAllocator();                                                             \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
