#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "platform/software/software_device.h"

namespace torvane {
namespace {

struct Segment {
    int x1, y1, x2, y2;
};

// Lines with ends spread a little beyond the bitmap, as clipped figure lines arrive.
std::vector<Segment> RandomSegments(int w, int h, int count) {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> x(-w / 10, w + w / 10), y(-h / 10, h + h / 10);
    std::vector<Segment> out;
    for (int i = 0; i < count; ++i) out.push_back({x(rng), y(rng), x(rng), y(rng)});
    return out;
}

// 72-gon circles of random centre and radius up to a quarter of the smaller side.
std::vector<std::vector<PointF>> RandomCircles(int w, int h, int count) {
    std::mt19937 rng(43);
    std::uniform_real_distribution<float> x(0, static_cast<float>(w)), y(0, static_cast<float>(h));
    std::uniform_real_distribution<float> r(1, static_cast<float>(std::min(w, h)) / 4);
    std::vector<std::vector<PointF>> out;
    for (int i = 0; i < count; ++i) {
        const float cx = x(rng), cy = y(rng), radius = r(rng);
        std::vector<PointF> poly;
        for (int k = 0; k <= 72; ++k) {
            const double t = k * 3.14159265358979 / 36;
            poly.push_back({cx + radius * static_cast<float>(std::cos(t)), cy + radius * static_cast<float>(std::sin(t))});
        }
        out.push_back(std::move(poly));
    }
    return out;
}

void BM_Lines(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const auto segments = RandomSegments(w, h, 1000);
    Bitmap bitmap(w, h);
    SoftwareDevice device(bitmap);
    device.SetPen(0, 1, PenStyle::Solid);
    for (auto _ : state) {
        for (const Segment& s : segments) {
            device.MoveTo(s.x1, s.y1);
            device.LineTo(s.x2, s.y2);
        }
        benchmark::DoNotOptimize(bitmap.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(segments.size()));
}
BENCHMARK(BM_Lines)->Args({58, 58})->Args({1200, 800});

void BM_CircleFills(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const auto circles = RandomCircles(w, h, 100);
    Bitmap bitmap(w, h);
    SoftwareDevice device(bitmap);
    for (auto _ : state) {
        for (const auto& c : circles) device.FillPolygon(c, 0x0000FF);
        benchmark::DoNotOptimize(bitmap.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(circles.size()));
}
BENCHMARK(BM_CircleFills)->Args({58, 58})->Args({1200, 800});

void BM_Clear(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Bitmap bitmap(w, h);
    SoftwareDevice device(bitmap);
    for (auto _ : state) {
        device.FillRect(0, 0, w, h, 0xFFFFFF);
        benchmark::DoNotOptimize(bitmap.pixels.data());
    }
}
BENCHMARK(BM_Clear)->Args({58, 58})->Args({1200, 800});

}  // namespace
}  // namespace torvane
