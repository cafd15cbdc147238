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

void Assign(EntitySet& set, std::span<TEntJwwLine> records) { set.lines = records; }
void Assign(EntitySet& set, std::span<TEntJwwEnko> records) { set.arcs = records; }
void Assign(EntitySet& set, std::span<TEntJwwTen> records) { set.points = records; }
void Assign(EntitySet& set, std::span<TEntJwwMoji> records) { set.texts = records; }
void Assign(EntitySet& set, std::span<TEntJwwSunpo> records) { set.dimensions = records; }
void Assign(EntitySet& set, std::span<TEntJwwSolid> records) { set.solids = records; }
void Assign(EntitySet& set, std::span<TEntJwwBlock> records) { set.blocks = records; }

template <class Owner>
EntitySet SetOf(Owner& owner) {
    EntitySet set;
    ForEachEntityArray(owner, [&set](std::int32_t, auto& records, std::int32_t count) {
        Assign(set, Valid(records, count));
    });
    return set;
}

}  // namespace

std::vector<EntitySet> AllEntitySets(TJwwFigureData& doc) {
    std::vector<EntitySet> sets{SetOf(doc)};
    for (TEntJwwBlockDef& def : Valid(doc.EntBlockDef, doc.EntBlockDefN))
        sets.push_back(def.HasMembers() ? SetOf(def.EditMembers()) : EntitySet{});
    return sets;
}

}  // namespace torvane
