// Speed of the extents of figure documents and of reading JWK files.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/synthetic_stream.h"
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
        const TEntJwwBlockMembers& def = doc.EntBlockDef[static_cast<std::size_t>(defno)].Members();
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

// The synthetic stream of a million entities (lines, arcs, points, texts, solids, dimensions and
// block insertions), read once; empty when it could not be read.
const TJcfData& MillionEntities() {
    static const TJcfData doc = [] {
        TJcfData d;
        if (!d.ReadBytes(AsBytes(bench::SyntheticStream(1'000'000)), u"synthetic.1")) d.DataInit();
        return d;
    }();
    return doc;
}

void BM_GetMinMaxZahyo_MillionEntities(benchmark::State& state) {
    TJcfData doc = MillionEntities();
    if (doc.Enthd.n1 == 0) {
        state.SkipWithError("synthetic stream not readable");
        return;
    }
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

// The same into a new document each time; making and freeing it is timed with the read.
void BM_JwkReadBytesFresh(benchmark::State& state) {
    const std::string bytes = JwkOfRecords(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TJwkData jwk;
        if (!jwk.ReadBytes(AsBytes(bytes), u"bench.jwk")) state.SkipWithError("read failed");
    }
    state.SetItemsProcessed(state.iterations() * 4 * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_JwkReadBytesFresh)->Arg(10000)->Arg(250000)->Unit(benchmark::kMillisecond);

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
