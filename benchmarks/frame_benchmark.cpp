// One frame of the game without its GL calls: the controllers' rules, then the renderer turning
// the world into the frame's items (camera, sky, player, ground, water, enemies and their
// lights). Heap allocations during the frames are counted: the only ones expected are the health
// lights' materials, one per robot. Needs a display for the renderer's context (Xvfb will do)
// and the game's assets/, found beside this source folder.
// Run as `kalvanor_benchmarks --benchmark_filter=frame_description`.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>

#include "content/manager.hpp"
#include "hidden_window.hpp"
#include "scene/renderer.hpp"
#include "worlds.hpp"

namespace {

std::atomic<long> allocations{0};

} // namespace

// Every allocation of the process goes through here; only the count is added.
void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

void frame_description(benchmark::State& state)
{
    std::unique_ptr<snapshot::hidden_window> window;
    std::unique_ptr<renderer> draw;
    world w(bench::hills());
    try {
        std::filesystem::current_path(KALVANOR_SOURCE_DIR);
        window = std::make_unique<snapshot::hidden_window>(800, 600);
        content::manager content("assets/");
        draw = std::make_unique<renderer>(content, w, 800, 600);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    bench::populate(w, static_cast<int>(state.range(0)));
    bench::rules_frame frame(w);
    frame.run();
    draw->describe(w); // the item list grows to its size once
    const long before = allocations.load();
    for (auto _ : state) {
        frame.run();
        benchmark::DoNotOptimize(draw->describe(w).items().data());
    }
    const double per_frame = static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations());
    state.counters["allocations"] = per_frame;
    state.counters["robots"] = static_cast<double>(w.enemies.size() + 1);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(frame_description)->Arg(12)->Arg(100)->Arg(1000);

} // namespace
