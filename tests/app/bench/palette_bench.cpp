// Speed of the palette's main work on the real figures: a capture up to the thumbnail on disk,
// a transfer without the keystrokes' waits, the regeneration of a page of 100 clips, and the
// clip search through four full pages (400 clips), the first time and again.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/clip_names.h"
#include "app/clip_search.h"
#include "app/form1_fakes.h"
#include "app/form1_globals.h"
#include "util/files.h"

namespace torvane::test {
namespace {

struct RealFigure {
    std::string name;
    std::string bytes;
};

std::vector<RealFigure> RealFigures() {
    std::vector<RealFigure> figures;
    const auto dir = DataDir();
    if (!dir) return figures;
    for (const auto& entry : std::filesystem::directory_iterator(*dir / "streams"))
        figures.push_back({entry.path().stem().string(), ReadBytes(entry.path())});
    std::sort(figures.begin(), figures.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return figures;
}

// Each iteration captures the figure anew (a copy of another figure in between, untimed).
void BM_CaptureToThumbnail(benchmark::State& state, const RealFigure& figure, const RealFigure& other) {
    Form1Fixture f;
    for (auto _ : state) {
        state.PauseTiming();
        JwCopy(f.clipboard, other.bytes);
        f.form.CaptureClip();
        JwCopy(f.clipboard, figure.bytes);
        state.ResumeTiming();
        f.form.CaptureClip();
    }
    if (!FileThere(ClipFile(TempPath, f.form.StringGrid1[0][0], ".bmp"))) state.SkipWithError("no thumbnail");
}

// Transfer of a clip with the palette at scale 1 (the bytes as they are), and at scale 2 with
// the curve conversion (read, converted, transformed and written twice).
void BM_Transfer(benchmark::State& state, const RealFigure& figure, bool converted) {
    Form1Fixture f;
    f.form.StringGrid1[1][0] = u"20260101_000000";
    WriteBytes(ClipFile(PageFolders[1], u"20260101_000000", ".1"), figure.bytes);
    f.view.SetPaletteInputs({converted ? u"2" : u"1.0", u"0.0", true, true});
    f.form.TranKyo = converted ? 1 : 0;
    for (auto _ : state) f.form.TransferClip(1, 0);
}

void BM_RegeneratePageOf100(benchmark::State& state, const std::vector<RealFigure>& figures) {
    Form1Fixture f;
    f.form.BtnXn = f.form.BtnYn = 10;
    for (int row = 0; row < ClipRows; ++row) {
        const std::u16string name = u"clip" + std::u16string(1, char16_t(u'A' + row / 10)) +
                                    std::u16string(1, char16_t(u'0' + row % 10));
        f.form.StringGrid1[0][row] = name;
        WriteBytes(ClipFile(TempPath, name, ".1"), figures[row % figures.size()].bytes);
    }
    f.form.BuildPalette();
    for (auto _ : state) f.form.RegenerateThumbnails();
}

// Four pages of 100 clips made of the real figures in turn; a search for "ライン" (in two of them)
// with the texts read from every ".1" (first) or already in the cache (again).
void BM_SearchFourPages(benchmark::State& state, const std::vector<RealFigure>& figures, bool first) {
    Form1Fixture f;
    for (int page = 0; page < PageCount; ++page) {
        for (int row = 0; row < ClipRows; ++row) {
            const std::u16string name = ClipNameOfTime({2026, 1, 1 + page, row / 60, row % 60, 0, 0});
            f.form.StringGrid1[page][row] = name;
            WriteBytes(ClipFile(PageFolders[page], name, ".1"), figures[(page * ClipRows + row) % figures.size()].bytes);
        }
    }
    std::size_t found = 0;
    TClipTextCache warm;
    SearchClips(f.form.StringGrid1, warm, u"ライン");
    for (auto _ : state) {
        if (first) {
            TClipTextCache cache;
            found = SearchClips(f.form.StringGrid1, cache, u"ライン").size();
        } else {
            found = SearchClips(f.form.StringGrid1, warm, u"ライン").size();
        }
    }
    if (found == 0) state.SkipWithError("nothing found");
}

[[maybe_unused]] const bool registered = [] {
    static const std::vector<RealFigure> figures = RealFigures();
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const RealFigure& other = figures[(i + 1) % figures.size()];
        benchmark::RegisterBenchmark(("BM_CaptureToThumbnail/" + figures[i].name).c_str(), BM_CaptureToThumbnail,
                                     figures[i], other)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_Transfer/" + figures[i].name).c_str(), BM_Transfer, figures[i], false)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_TransferScaledConverted/" + figures[i].name).c_str(), BM_Transfer,
                                     figures[i], true)
            ->Unit(benchmark::kMillisecond);
    }
    if (!figures.empty())
        benchmark::RegisterBenchmark("BM_RegeneratePageOf100", BM_RegeneratePageOf100, figures)
            ->Unit(benchmark::kMillisecond);
    if (!figures.empty()) {
        benchmark::RegisterBenchmark("BM_SearchFourPagesFirst", BM_SearchFourPages, figures, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_SearchFourPagesAgain", BM_SearchFourPages, figures, false)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
}  // namespace torvane::test
