// One frame of the four controllers' rules (state, player, orbit, enemies) on a world built here:
// no window, no files. Run as `kalvanor_benchmarks --benchmark_filter=controllers`.

#include <benchmark/benchmark.h>

#include "worlds.hpp"

namespace {

void controllers_frame(benchmark::State& state)
{
    world w(bench::hills());
    bench::populate(w, static_cast<int>(state.range(0)));
    bench::rules_frame frame(w);
    for (auto _ : state) {
        frame.run();
        benchmark::DoNotOptimize(w.enemies.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["enemies"] = static_cast<double>(w.enemies.size());
}

BENCHMARK(controllers_frame)->Arg(12)->Arg(100)->Arg(1000);

} // namespace
