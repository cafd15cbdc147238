#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "figure/jcf_data.h"
#include "figure/text_code_context.h"
#include "render/thumbnail.h"
#include "support/test_files.h"

namespace torvane {
namespace {

TEntJwwAttr Attr(std::uint16_t color) {
    TEntJwwAttr a;
    a.nPenColor = color;
    a.nPenStyle = 1;
    return a;
}

// 100,000 entities over a 10 m x 10 m sheet: lines, arcs, texts, solids and block insertions.
std::unique_ptr<TJcfData> SyntheticFigure() {
    auto doc = std::make_unique<TJcfData>();
    doc->DataDefaultSet();
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<double>((seed >> 8) % 10000) ;
    };
    TEntJwwBlockDef def;
    TEntJwwLine inner;
    inner.att = Attr(3);
    inner.end_x = 100;
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mLine = {inner, inner};
    members.mLine[1].end_x = 0;
    members.mLine[1].end_y = 100;
    TEntJwwEnko ring;
    ring.att = Attr(4);
    ring.dHankei = 50;
    ring.dHenpeiRitsu = 1;
    ring.bZenEnFlg = 1;
    members.mEnko = {ring};
    doc->EntBlockDef.push_back(def);
    for (int i = 0; i < 100000; ++i) {
        const double x = next();
        const double y = next();
        switch (i % 10) {
            case 0: case 1: case 2: case 3: {
                TEntJwwLine l;
                l.att = Attr(1 + i % 8);
                l.start_x = x;
                l.start_y = y;
                l.end_x = x + next() / 20;
                l.end_y = y + next() / 20;
                doc->EntLine.push_back(l);
                break;
            }
            case 4: case 5: {
                TEntJwwEnko e;
                e.att = Attr(2);
                e.start_x = x;
                e.start_y = y;
                e.dHankei = 1 + next() / 100;
                e.dHenpeiRitsu = 1;
                e.radEnkoKaku = 3;
                e.bZenEnFlg = i % 4 == 0 ? 1 : 0;
                doc->EntEnko.push_back(e);
                break;
            }
            case 6: case 7: {
                TEntJwwMoji m;
                m.att = Attr(2);
                m.start_x = x;
                m.start_y = y;
                m.end_x = x + 40;
                m.end_y = y;
                m.dSizeX = m.dSizeY = 5;
                m.strFontName = u"ＭＳ ゴシック";
                m.str = i % 3 == 0 ? u"寝室 6帖" : u"W=1800";
                doc->EntMoji.push_back(m);
                break;
            }
            case 8: {
                TEntJwwSolid s;
                s.att = Attr(5);
                s.start_x = x;
                s.start_y = y;
                s.end_x = x + 30;
                s.end_y = y;
                s.DPoint2_x = x + 30;
                s.DPoint2_y = y + 30;
                s.DPoint3_x = x;
                s.DPoint3_y = y + 30;
                doc->EntSolid.push_back(s);
                break;
            }
            default: {
                TEntJwwBlockTree node;
                node.defno = 0;
                node.x = x;
                node.y = y;
                const double a = next() / 1000;
                node.r1 = std::cos(a);
                node.r2 = -std::sin(a);
                node.r3 = std::sin(a);
                node.r4 = std::cos(a);
                doc->EntBlockTree.push_back(node);
                break;
            }
        }
    }
    doc->CountEntities();
    return doc;
}

void SyntheticFigure(benchmark::State& state) {
    const auto doc = SyntheticFigure();
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    for (auto _ : state) {
        Bitmap picture = DrawFigurePicture(*doc, width, height, 0);
        benchmark::DoNotOptimize(picture.pixels.data());
    }
}
BENCHMARK(SyntheticFigure)->Args({58, 58})->Args({1200, 800})->Unit(benchmark::kMillisecond);

// Every real stream and JWS file, read and drawn.
void RealFiles(benchmark::State& state) {
    const auto data = test::DataDir();
    if (!data) {
        state.SkipWithError("no test data");
        return;
    }
    std::vector<std::filesystem::path> files;
    for (const char* folder : {"streams", "jws"}) {
        for (const auto& entry : std::filesystem::directory_iterator(*data / folder)) files.push_back(entry.path());
    }
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    for (auto _ : state) {
        for (const auto& file : files) {
            auto picture = DrawFigureFile(file, width, height, 0);
            benchmark::DoNotOptimize(picture);
        }
    }
    state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(RealFiles)->Args({58, 58})->Args({1200, 800})->Unit(benchmark::kMillisecond);

// The real files of one folder, repeated until there are `count`.
std::vector<std::filesystem::path> RepeatedRealFiles(const char* folder, std::size_t count) {
    std::vector<std::filesystem::path> found;
    if (const auto data = test::DataDir()) {
        for (const auto& entry : std::filesystem::directory_iterator(*data / folder)) found.push_back(entry.path());
    }
    std::vector<std::filesystem::path> files;
    for (std::size_t i = 0; !found.empty() && i < count; ++i) files.push_back(found[i % found.size()]);
    return files;
}

// A page of 100 clips made anew: each clip's stream read into the shared document, drawn at
// 58 x 58 and saved as its bitmap.
void ClipPageThumbnails(benchmark::State& state) {
    const auto clips = RepeatedRealFiles("streams", 100);
    if (clips.empty()) return state.SkipWithError("no test data");
    test::TempDir dir;
    TJcfData JCF;
    for (auto _ : state) {
        for (std::size_t i = 0; i < clips.size(); ++i) {
            benchmark::DoNotOptimize(MakeThumbnail(JCF, clips[i], dir / (std::to_string(i) + ".bmp"), 58, 58, 0));
        }
    }
}
BENCHMARK(ClipPageThumbnails)->Unit(benchmark::kMillisecond);

// A figure browser's grid: 30 JWS files read and drawn at 120 x 90.
void BrowserGridThumbnails(benchmark::State& state) {
    const auto files = RepeatedRealFiles("jws", 30);
    if (files.empty()) return state.SkipWithError("no test data");
    for (auto _ : state) {
        for (const auto& file : files) benchmark::DoNotOptimize(DrawFigureFile(file, 120, 90, 0, FigureKind::Jws));
    }
}
BENCHMARK(BrowserGridThumbnails)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane
