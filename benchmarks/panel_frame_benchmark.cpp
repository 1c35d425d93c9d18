// One frame of the default panel in the cruise state: the host's evaluation of every placed
// gauge alone, and evaluation plus drawing every window at 1:1, anti-aliased.
//
//   build/panel_frame_benchmark [--benchmark_filter=...]
//
// Each benchmark reports the gauges placed, their elements and the heap allocations per frame
// (every malloc of the process, cairo's included, counted in steady state).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "host/flight_state.h"
#include "host/panel_config.h"
#include "host/render.h"

// Counts the process's heap allocations by standing in front of the C library's allocator.
namespace {
std::atomic<long long> g_allocations{0};
}
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* malloc(std::size_t n) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(n);
}
void* calloc(std::size_t n, std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(n, size);
}
void* realloc(void* p, std::size_t n) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, n);
}
}

namespace {

// The default panel placed on a host in the cruise state, settled by a few frames; as a
// running panel, it keeps no event log.
struct DefaultPanel {
    host::Host host;
    host::PanelConfig config = host::read_panel_config(DEFAULT_PANEL);
    host::PlacedPanel panel = host::place_panel(host, config, GAUGES_DIR);
    DefaultPanel() {
        host.keep_events(false);
        for (const std::string& w : panel.warnings) std::cerr << "warning: " << w << "\n";
        const host::FlightState state = host::read_flight_state(DEFAULT_STATE);
        for (const auto& [id, value] : state.variables) host.set_var(id, value);
        host.frame();
        host::apply_flight_state(host, {state.path, {}, state.clicks});
        for (int i = 0; i < 18; ++i) host.frame();
    }
    std::size_t gauges() const { return host.instances().size(); }
    std::size_t elements() const {
        std::size_t n = 0;
        for (const auto& inst : host.instances()) n += inst->elements().size();
        return n;
    }
};

void report(benchmark::State& state, const DefaultPanel& p, long long allocations) {
    state.counters["gauges"] = static_cast<double>(p.gauges());
    state.counters["elements"] = static_cast<double>(p.elements());
    state.counters["allocs/frame"] = static_cast<double>(allocations) / static_cast<double>(state.iterations());
}

void BM_PanelEvaluation(benchmark::State& state) {
    DefaultPanel p;
    const long long before = g_allocations.load();
    for (auto _ : state) p.host.frame();
    report(state, p, g_allocations.load() - before);
}
BENCHMARK(BM_PanelEvaluation)->Unit(benchmark::kMicrosecond);

void BM_PanelEvaluationAndDrawing(benchmark::State& state) {
    DefaultPanel p;
    host::Renderer renderer;
    struct Target {
        const host::PlacedWindow* window;
        cairo_surface_t* surface;
        cairo_t* cr;
    };
    std::vector<Target> targets;
    long long pixels = 0;
    for (const host::PlacedWindow& w : p.panel.windows) {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w.width, w.height);
        targets.push_back({&w, s, cairo_create(s)});
        pixels += static_cast<long long>(w.width) * w.height;
    }
    auto frame = [&] {
        p.host.frame();
        for (const Target& t : targets) renderer.draw_window(t.cr, *t.window, 0, 0, 1.0);
        for (const Target& t : targets) cairo_surface_flush(t.surface);
    };
    frame();  // the first drawing fills the renderer's caches
    const long long before = g_allocations.load();
    for (auto _ : state) frame();
    report(state, p, g_allocations.load() - before);
    state.counters["pixels"] = static_cast<double>(pixels);
    for (const Target& t : targets) {
        cairo_destroy(t.cr);
        cairo_surface_destroy(t.surface);
    }
}
BENCHMARK(BM_PanelEvaluationAndDrawing)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
