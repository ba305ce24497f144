#include "bench/BenchPlans.h"
#include "persist/PlanFile.h"
#include "persist/RecoveryCopy.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// What the window does a second after an edit: the plan as a save writes it, into a new
// recovery copy, synced and renamed, in a state folder of the benchmark's own.
void BM_WriteRecoveryCopy(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orbelan-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    ::setenv("XDG_STATE_HOME", folder.c_str(), 1);
    const Plan plan = DrainedPlan(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteRecoveryCopy({}, PlanFileBytes(plan)));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteRecoveryCopy)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
