// Speed of the extents of figure documents and of reading JWK files.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "figure/figure_file.h"
#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jwk_file_builder.h"
#include "support/test_files.h"

namespace torvane {
namespace {

// Entities the extents visit: the document's own and those of every placed definition.
int64_t VisitedEntities(const TJwwFigureData& doc) {
    int64_t n = int64_t{doc.EntLineN} + doc.EntEnkoN + doc.EntTenN + doc.EntMojiN + doc.EntSunpoN + doc.EntSolidN;
    for (int32_t i = 0; i < doc.EntBlockTreeN; ++i) {
        const int32_t defno = doc.EntBlockTree[static_cast<std::size_t>(i)].defno;
        if (defno < 0) continue;
        const TEntJwwBlockDef& def = doc.EntBlockDef[static_cast<std::size_t>(defno)];
        n += int64_t{def.mLineN} + def.mEnkoN + def.mTenN + def.mMojiN + def.mSunpoN + def.mSolidN;
    }
    return n;
}

void BM_GetMinMaxZahyo_RealStreams(benchmark::State& state) {
    const auto dir = test::DataDir();
    if (!dir) {
        state.SkipWithError("no real data");
        return;
    }
    std::vector<std::unique_ptr<TJcfData>> docs;
    int64_t entities = 0;
    for (const auto& entry : std::filesystem::directory_iterator(*dir / "streams")) {
        auto doc = std::make_unique<TJcfData>();
        if (!doc->FileIn(entry.path())) continue;
        entities += VisitedEntities(*doc);
        docs.push_back(std::move(doc));
    }
    for (auto _ : state)
        for (auto& doc : docs) doc->GetMinMaxZahyo();
    state.SetItemsProcessed(state.iterations() * entities);
    state.counters["documents"] = static_cast<double>(docs.size());
}
BENCHMARK(BM_GetMinMaxZahyo_RealStreams)->Unit(benchmark::kMicrosecond);

// One million entities: per 10, four lines, two arcs, a point, a text, a solid and a dimension.
TJcfData& MillionEntities() {
    static TJcfData doc = [] {
        TJcfData d;
        constexpr int kGroups = 100000;
        for (int i = 0; i < kGroups; ++i) {
            const double x = (i % 1000) * 10.0, y = (i / 1000) * 10.0;
            for (int k = 0; k < 4; ++k) {
                TEntJwwLine line;
                line.start_x = x, line.start_y = y + k, line.end_x = x + 8, line.end_y = y + k + 1;
                d.EntLine.push_back(line);
            }
            for (int k = 0; k < 2; ++k) {
                TEntJwwEnko enko;
                enko.start_x = x + 5, enko.start_y = y + 5, enko.dHankei = 2 + k, enko.dHenpeiRitsu = 1;
                enko.radKaishiKaku = 0.3, enko.radEnkoKaku = 2.0, enko.bZenEnFlg = k;
                d.EntEnko.push_back(enko);
            }
            TEntJwwTen ten;
            ten.start_x = x + 1, ten.start_y = y + 9;
            d.EntTen.push_back(ten);
            TEntJwwMoji moji;
            moji.start_x = x, moji.start_y = y, moji.end_x = x + 6, moji.end_y = y, moji.str = u"text";
            d.EntMoji.push_back(moji);
            TEntJwwSolid solid;
            solid.att.nPenStyle = 1;
            solid.start_x = x, solid.start_y = y, solid.end_x = x + 1, solid.end_y = y;
            solid.DPoint2_x = x + 1, solid.DPoint2_y = y + 1, solid.DPoint3_x = x, solid.DPoint3_y = y + 1;
            d.EntSolid.push_back(solid);
            TEntJwwSunpo sunpo;
            sunpo.Sen.start_x = x, sunpo.Sen.start_y = y, sunpo.Sen.end_x = x + 9, sunpo.Sen.end_y = y;
            sunpo.Moji.start_x = x + 3, sunpo.Moji.start_y = y + 1, sunpo.Moji.end_x = x + 6, sunpo.Moji.end_y = y + 1;
            d.EntSunpo.push_back(sunpo);
        }
        d.EntLineN = static_cast<int32_t>(d.EntLine.size());
        d.EntEnkoN = static_cast<int32_t>(d.EntEnko.size());
        d.EntTenN = static_cast<int32_t>(d.EntTen.size());
        d.EntMojiN = static_cast<int32_t>(d.EntMoji.size());
        d.EntSolidN = static_cast<int32_t>(d.EntSolid.size());
        d.EntSunpoN = static_cast<int32_t>(d.EntSunpo.size());
        return d;
    }();
    return doc;
}

void BM_GetMinMaxZahyo_MillionEntities(benchmark::State& state) {
    TJcfData& doc = MillionEntities();
    for (auto _ : state) doc.GetMinMaxZahyo();
    state.SetItemsProcessed(state.iterations() * VisitedEntities(doc));
}
BENCHMARK(BM_GetMinMaxZahyo_MillionEntities)->Unit(benchmark::kMillisecond);

// A JWK file of n records of each kind; the texts name the strings in the first 60000 bytes of
// the string area (their offsets have 16 bits).
std::string JwkOfRecords(int n) {
    test::JwkFileBuilder file;
    for (int i = 0; i < n; ++i) {
        const auto f = static_cast<float>(i);
        file.Line(f, 0, f + 5, 10).Arc(f, f, 3, 10000, 10, 200).Ten(f, -f);
        file.Moji(f, 1, f + 4, 1, static_cast<uint16_t>(file.strings.size() % 60000));
        file.strings += "text";
        file.strings += '\0';
    }
    return file.Bytes();
}

void BM_JwkReadBytes(benchmark::State& state) {
    const std::string bytes = JwkOfRecords(static_cast<int>(state.range(0)));
    TJwkData jwk;
    for (auto _ : state) {
        if (!jwk.ReadBytes(AsBytes(bytes), u"bench.jwk")) state.SkipWithError("read failed");
    }
    state.SetItemsProcessed(state.iterations() * 4 * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_JwkReadBytes)->Arg(10000)->Arg(250000)->Unit(benchmark::kMillisecond);

void BM_JwkGetMinMaxZahyo(benchmark::State& state) {
    const std::string bytes = JwkOfRecords(250000);
    TJwkData jwk;
    jwk.ReadBytes(AsBytes(bytes), u"bench.jwk");
    for (auto _ : state) jwk.GetMinMaxZahyo();
    state.SetItemsProcessed(state.iterations() * 4 * 250000);
}
BENCHMARK(BM_JwkGetMinMaxZahyo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane
