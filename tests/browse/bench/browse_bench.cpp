// Speed of the figure browser on a folder of 30 real JWS files: the whole grid shown at 5 x 6
// and 10 x 3 (every picture read and drawn), and a scroll by one row; and a page of 30 real
// drawings.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/form1_fakes.h"
#include "browse/form6.h"
#include "browse/grid_view_recorder.h"
#include "util/files.h"

namespace torvane::test {
namespace {

class BenchView : public GridViewRecorder<TForm6View> {
public:
    void ShowPicture(int, const Bitmap& drawing, std::u16string_view, int) override {
        ++pictures;
        ink += static_cast<double>(std::count_if(drawing.pixels.begin(), drawing.pixels.end(),
                                                 [](std::uint32_t p) { return p != 0xFFFFFF && p != 0x0000FF; }));
    }
    int pictures = 0;
    double ink = 0;  // pixels drawn by the figures
    void PlacePicture(int, const TRect&) override {}
    void HidePicture(int) override {}
    void SetFolderList(const std::vector<std::u16string>&, int) override {}
    void SetHandCursor(bool) override {}
    std::optional<std::filesystem::path> BrowseForFolder(const std::filesystem::path&) override { return {}; }
};

// A started palette whose browser shows "図形" holding the 18 real files of `kind` ("jws" or
// "jww") and copies, 30 in all.
struct BrowserBench : Form1Fixture {
    explicit BrowserBench(const char* kind = "jws") {
        const auto data = DataDir();
        const auto folder = dir / "図形";
        std::filesystem::create_directory(folder);
        int n = 0;
        while (data && n < 30) {
            for (const auto& entry : std::filesystem::directory_iterator(*data / kind)) {
                if (n == 30) break;
                std::filesystem::copy_file(entry.path(), folder / (std::to_string(n++) + entry.path().filename().string()));
            }
        }
        form.FormShow();
        form.ZukeiBrwT = std::string(kind) == "jww" ? FileTypeJww : FileTypeJws;
        form.BrowserFolders = {PathText(folder / "")};
        form.ZukeiBrwF = 0;
        view.pane = {605 - 8, 482 - 60};
    }
    BenchView view;
    TForm6 browser{view, form, ui};
};

void BM_ShowGrid(benchmark::State& state) {
    BrowserBench b;
    b.form.ZukeiBrwX = static_cast<int>(state.range(0));
    b.form.ZukeiBrwY = static_cast<int>(state.range(1));
    for (auto _ : state) b.browser.FormShow();
    state.counters["pictures"] = benchmark::Counter(b.view.pictures, benchmark::Counter::kAvgIterations);
    state.counters["ink"] = benchmark::Counter(b.view.ink, benchmark::Counter::kAvgIterations);
    state.counters["messages"] = static_cast<double>(b.ui.messages.size());
}
BENCHMARK(BM_ShowGrid)->Args({5, 6})->Args({10, 3})->Unit(benchmark::kMillisecond);

void BM_ShowDrawingPage(benchmark::State& state) {
    BrowserBench b("jww");
    b.form.ZukeiBrwX = 5;
    b.form.ZukeiBrwY = 6;
    for (auto _ : state) b.browser.FormShow();
    state.counters["pictures"] = benchmark::Counter(b.view.pictures, benchmark::Counter::kAvgIterations);
    state.counters["ink"] = benchmark::Counter(b.view.ink, benchmark::Counter::kAvgIterations);
    state.counters["messages"] = static_cast<double>(b.ui.messages.size());
}
BENCHMARK(BM_ShowDrawingPage)->Unit(benchmark::kMillisecond);

void BM_ScrollOneRow(benchmark::State& state) {
    BrowserBench b;
    b.form.ZukeiBrwX = 5;
    b.form.ZukeiBrwY = 5;
    b.browser.FormShow();
    int position = 0;
    for (auto _ : state) {
        position = position == 0 ? 5 : 0;
        b.browser.ScrollChange(position);
    }
}
BENCHMARK(BM_ScrollOneRow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane::test
