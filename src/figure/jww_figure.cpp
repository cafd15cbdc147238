#include "figure/jww_figure.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

#include "figure/definition_index.h"

namespace torvane {
namespace {

// A definition that inserts itself, directly or through others, would add nodes without end:
// such an insertion is left out of the tree, as are nodes deeper than kMaxBlockDepth.
constexpr std::int32_t kMaxBlockDepth = 64;

bool InsertsItself(const std::vector<TEntJwwBlockTree>& tree, std::size_t parent, std::int32_t defno) {
    for (std::int32_t k = static_cast<std::int32_t>(parent); k >= 0; k = tree[k].parent) {
        if (tree[k].defno == defno) return true;
    }
    return false;
}

template <typename T>
std::int32_t ValidCount(const std::vector<T>& items, std::int32_t n) {
    return std::clamp<std::int32_t>(n, 0, static_cast<std::int32_t>(std::min<std::size_t>(items.size(), INT32_MAX)));
}

// What one placement of the definition costs: the placement itself and every member measured
// and drawn through it. A line counts 1; a point, arc or solid, which may be sampled as a curve
// or filled, counts kShapeCost; a text or dimension also each character of its text. Nested
// insertions are paid by the nodes they become.
constexpr std::int64_t kShapeCost = 8;

std::int64_t PlacementCost(const TEntJwwBlockMembers& def) {
    std::int64_t cost = 1 + ValidCount(def.mLine, def.mLineN);
    cost += kShapeCost * (ValidCount(def.mTen, def.mTenN) + ValidCount(def.mEnko, def.mEnkoN) +
                          ValidCount(def.mSolid, def.mSolidN));
    for (std::int32_t i = 0, n = ValidCount(def.mMoji, def.mMojiN); i < n; ++i)
        cost += kShapeCost + static_cast<std::int64_t>(def.mMoji[i].str.size());
    for (std::int32_t i = 0, n = ValidCount(def.mSunpo, def.mSunpoN); i < n; ++i)
        cost += kShapeCost + static_cast<std::int64_t>(def.mSunpo[i].Moji.str.size());
    return cost;
}

struct Placement {
    double r1, r2, r3, r4;
};

Placement PlacementOf(const TEntJwwBlock& block) {
    const double c = std::cos(block.radKaitenKaku);
    const double s = std::sin(block.radKaitenKaku);
    return {c * block.dBairitsuX, -s * block.dBairitsuY, s * block.dBairitsuX, c * block.dBairitsuY};
}

}  // namespace

void TJwwFigureData::DataInit() {
    FileOutOpt = 0;
    EntLgrp.clear();
    EntNo.clear();
    ForEachEntityArray(*this, [](std::int32_t, auto& records, std::int32_t& count) {
        records.clear();
        count = 0;
    });
    EntBlockDef.clear();
    EntBlockDefN = 0;
    EntBlockTree.clear();
    EntBlockTreeN = 0;
    EntBlockNum = 0;
    ResetHeader();
    MojiEncode = false;
}

void TJwwFigureData::CountEntities() {
    const auto count = [](const auto& array) { return static_cast<std::int32_t>(array.size()); };
    const auto count_array = [&count](std::int32_t, const auto& records, std::int32_t& n) { n = count(records); };
    ForEachEntityArray(*this, count_array);
    EntBlockDefN = count(EntBlockDef);
    EntBlockTreeN = count(EntBlockTree);
    for (TEntJwwBlockDef& def : EntBlockDef) {
        if (!def.HasMembers()) continue;
        TEntJwwBlockMembers& members = def.EditMembers();
        members.N = count(members.mNo);
        ForEachEntityArray(members, count_array);
    }
}

void TJwwFigureData::DataFree() {
    // Release the memory, not only the contents.
    for (auto& def : EntBlockDef) def = TEntJwwBlockDef{};
    DataInit();
    EntLgrp.shrink_to_fit();
    EntNo.shrink_to_fit();
    ForEachEntityArray(*this, [](std::int32_t, auto& records, std::int32_t) { records.shrink_to_fit(); });
    EntBlockDef.shrink_to_fit();
    EntBlockTree.shrink_to_fit();
}

void TJwwFigureData::DataDefaultSet() {
    TEntJcfHeader& hd = Header();
    hd.jwVer = 600;
    hd.BasePoint_x = 0;
    hd.BasePoint_y = 0;
    EntLgrp.assign(16, TEntJwwLayerGroup{2, 0, 1.0, 0, {}});
}

void TJwwFigureData::MakeBlockTree() {
    EntBlockTree.clear();
    EntBlockTreeN = 0;
    EntBlockNum = 0;
    for (auto& def : EntBlockDef) {
        def.ref_flag = false;
        def.ref_no = -1;
    }
    const std::int32_t insertions = ValidCount(EntBlock, EntBlockN);
    if (insertions <= 0) return;

    const std::int32_t defs = ValidCount(EntBlockDef, EntBlockDefN);
    const TDefinitionIndex first_def{std::span(EntBlockDef).first(static_cast<std::size_t>(defs))};
    auto definition_of = [&first_def](std::uint32_t number) { return first_def.Find(number); };

    // Reach marks follow the insertions through every definition once, however deep, so that
    // the writer keeps each definition an insertion names.
    std::vector<std::int32_t> pending;
    auto reach = [&](std::uint32_t number) {
        const std::int32_t i = definition_of(number);
        if (i < 0 || EntBlockDef[i].ref_flag) return;
        EntBlockDef[i].ref_flag = true;
        pending.push_back(i);
    };
    for (std::int32_t j = 0; j < insertions; ++j) reach(EntBlock[j].nNumber);
    while (!pending.empty()) {
        const TEntJwwBlockMembers& def = EntBlockDef[pending.back()].Members();
        pending.pop_back();
        for (std::int32_t l = 0, n = ValidCount(def.mBlock, def.mBlockN); l < n; ++l) reach(def.mBlock[l].nNumber);
    }
    for (std::int32_t i = 0; i < defs; ++i) {
        if (EntBlockDef[i].ref_flag) EntBlockDef[i].ref_no = EntBlockNum++;
    }

    // The tree takes nodes, breadth first, while their placements fit in the budget.
    std::vector<std::int64_t> costs(static_cast<std::size_t>(defs));
    for (std::int32_t i = 0; i < defs; ++i) costs[i] = PlacementCost(EntBlockDef[i].Members());
    std::int64_t budget = kPlacedEntityBudget;
    auto add = [&](TEntJwwBlockTree&& node) {
        const std::int64_t cost = node.defno < 0 ? 1 : costs[node.defno];
        if (cost > budget) {
            budget = 0;
            return;
        }
        budget -= cost;
        EntBlockTree.push_back(std::move(node));
    };

    for (std::int32_t j = 0; j < insertions && budget > 0; ++j) {
        const TEntJwwBlock& block = EntBlock[j];
        const Placement m = PlacementOf(block);
        TEntJwwBlockTree node;
        node.att = block.att;
        node.level = 0;
        node.parent = -1;
        node.no = block.nNumber;
        node.defno = definition_of(block.nNumber);
        node.x = block.DPKijunTen_x;
        node.y = block.DPKijunTen_y;
        node.r1 = m.r1;
        node.r2 = m.r2;
        node.r3 = m.r3;
        node.r4 = m.r4;
        add(std::move(node));
    }

    for (std::size_t k = 0; k < EntBlockTree.size() && budget > 0; ++k) {
        if (EntBlockTree[k].defno < 0 || EntBlockTree[k].level >= kMaxBlockDepth) continue;
        const TEntJwwBlockDef& def = EntBlockDef[EntBlockTree[k].defno];
        const std::int32_t nested = ValidCount(def.Members().mBlock, def.Members().mBlockN);
        for (std::int32_t l = 0; l < nested && budget > 0; ++l) {
            const TEntJwwBlockTree& parent = EntBlockTree[k];
            const TEntJwwBlock& block = def.Members().mBlock[l];
            const Placement m = PlacementOf(block);
            TEntJwwBlockTree node;
            node.att = def.att;
            node.level = parent.level + 1;
            node.parent = static_cast<std::int32_t>(k);
            node.no = block.nNumber;
            node.defno = definition_of(block.nNumber);
            const double u = block.DPKijunTen_x;
            const double v = block.DPKijunTen_y;
            node.x = parent.x + parent.r1 * u + parent.r2 * v;
            node.y = parent.y + parent.r3 * u + parent.r4 * v;
            node.r1 = parent.r1 * m.r1 + parent.r2 * m.r3;
            node.r2 = parent.r1 * m.r2 + parent.r2 * m.r4;
            node.r3 = parent.r3 * m.r1 + parent.r4 * m.r3;
            node.r4 = parent.r3 * m.r2 + parent.r4 * m.r4;
            if (node.defno >= 0 && InsertsItself(EntBlockTree, k, node.defno)) {
                --budget;  // looked at, though left out
                continue;
            }
            add(std::move(node));
        }
    }
    EntBlockTreeN = static_cast<std::int32_t>(EntBlockTree.size());
}

std::uint32_t TJwwFigureData::ChangeBlockNo(std::uint32_t n) const {
    const std::int32_t defs = std::min<std::int32_t>(EntBlockDefN, static_cast<std::int32_t>(EntBlockDef.size()));
    for (std::int32_t i = 0; i < defs; ++i) {
        const TEntJwwBlockDef& def = EntBlockDef[i];
        if (def.nNumber != n) continue;
        return def.ref_flag ? static_cast<std::uint32_t>(def.ref_no) : n;
    }
    return 0;
}

}  // namespace torvane
