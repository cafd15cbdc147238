#include "convert/entity_sets.h"

#include <algorithm>

namespace torvane {
namespace {

// The first `count` records, never more than the array holds.
template <class Record>
std::span<Record> Valid(std::vector<Record>& records, std::int32_t count) {
    const auto n = std::min(static_cast<std::size_t>(std::max(count, 0)), records.size());
    return std::span<Record>(records.data(), n);
}

}  // namespace

std::vector<EntitySet> AllEntitySets(TJwwFigureData& doc) {
    std::vector<EntitySet> sets;
    sets.push_back({Valid(doc.EntLine, doc.EntLineN), Valid(doc.EntEnko, doc.EntEnkoN),
                    Valid(doc.EntTen, doc.EntTenN), Valid(doc.EntMoji, doc.EntMojiN),
                    Valid(doc.EntSunpo, doc.EntSunpoN), Valid(doc.EntSolid, doc.EntSolidN),
                    Valid(doc.EntBlock, doc.EntBlockN)});
    for (TEntJwwBlockDef& def : Valid(doc.EntBlockDef, doc.EntBlockDefN)) {
        sets.push_back({Valid(def.mLine, def.mLineN), Valid(def.mEnko, def.mEnkoN), Valid(def.mTen, def.mTenN),
                        Valid(def.mMoji, def.mMojiN), Valid(def.mSunpo, def.mSunpoN),
                        Valid(def.mSolid, def.mSolidN), Valid(def.mBlock, def.mBlockN)});
    }
    return sets;
}

}  // namespace torvane
