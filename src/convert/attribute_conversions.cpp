#include "convert/attribute_conversions.h"

#include <vector>

#include "convert/entity_sets.h"

namespace torvane {
namespace {

// Every attribute block of a dimension: its own, the line's, the text's and, in figures that
// carry them, the six SXF parts.
std::vector<TEntJwwAttr*> DimensionBlocks(TEntJwwSunpo& dim, bool sxf_parts) {
    std::vector<TEntJwwAttr*> blocks{&dim.att, &dim.Sen.att, &dim.Moji.att};
    if (sxf_parts) {
        for (TEntJwwAttr* part : {&dim.Ho1.att, &dim.Ho2.att, &dim.Te1.att, &dim.Te2.att, &dim.Kt1.att, &dim.Kt2.att})
            blocks.push_back(part);
    }
    return blocks;
}

// Calls change(att) for every attribute block of every entity, block members included.
template <class Change>
void ForEveryAttribute(TJwwFigureData& doc, Change change) {
    const bool sxf_parts = doc.Header().jwVer >= 420;
    for (const EntitySet& set : AllEntitySets(doc)) {
        for (auto& e : set.lines) change(e.att);
        for (auto& e : set.arcs) change(e.att);
        for (auto& e : set.points) change(e.att);
        for (auto& e : set.texts) change(e.att);
        for (auto& e : set.solids) change(e.att);
        for (auto& e : set.blocks) change(e.att);
        for (auto& e : set.dimensions) {
            for (TEntJwwAttr* att : DimensionBlocks(e, sxf_parts)) change(*att);
        }
    }
}

}  // namespace

std::uint16_t SxfColorTarget(int TranCol) {
    if (TranCol >= 1 && TranCol <= 9) return static_cast<std::uint16_t>(TranCol);
    if (TranCol >= 10 && TranCol <= 25) return static_cast<std::uint16_t>(TranCol + 91);
    return 0;
}

std::uint8_t SxfLineTypeTarget(int TranLtp) {
    if (TranLtp >= 1 && TranLtp <= 9) return static_cast<std::uint8_t>(TranLtp);
    if (TranLtp >= 10 && TranLtp <= 18) return static_cast<std::uint8_t>(TranLtp + 1);
    if (TranLtp >= 19 && TranLtp <= 33) return static_cast<std::uint8_t>(TranLtp + 12);
    return 0;
}

void ConvertCurveAttr(TJwwFigureData& doc, int TranKyo) {
    if (TranKyo != 1 && TranKyo != 2) return;
    const std::uint32_t curve = TranKyo == 2 ? 1 : 0;
    ForEveryAttribute(doc, [curve](TEntJwwAttr& att) { att.lGroup = curve; });
}

void ConvertSxfColor(TJwwFigureData& doc, int TranCol) {
    const std::uint16_t target = SxfColorTarget(TranCol);
    if (target == 0) return;
    ForEveryAttribute(doc, [target](TEntJwwAttr& att) {
        if (att.nPenColor > 116) att.nPenColor = target;
    });
}

void ConvertSxfLineType(TJwwFigureData& doc, int TranLtp) {
    const std::uint8_t target = SxfLineTypeTarget(TranLtp);
    if (target == 0) return;
    const auto change = [target](TEntJwwAttr& att) {
        if (att.nPenStyle > 46) att.nPenStyle = target;
    };
    // Only blocks whose pen style is a line type: lines, arcs and the lines of dimensions.
    const bool sxf_parts = doc.Header().jwVer >= 420;
    for (const EntitySet& set : AllEntitySets(doc)) {
        for (auto& e : set.lines) change(e.att);
        for (auto& e : set.arcs) change(e.att);
        for (auto& e : set.dimensions) {
            change(e.Sen.att);
            if (sxf_parts) {
                change(e.Ho1.att);
                change(e.Ho2.att);
            }
        }
    }
}

void ApplyAttributeConversions(TJwwFigureData& doc, const AttributeConversions& conversions) {
    ConvertCurveAttr(doc, conversions.TranKyo);
    ConvertSxfColor(doc, conversions.TranCol);
    ConvertSxfLineType(doc, conversions.TranLtp);
}

StreamFileOutcome ConvertAttributesFile(const std::filesystem::path& f, const AttributeConversions& conversions,
                                        TJcfData& JCF) {
    if (!conversions.Any()) return StreamFileOutcome::Unchanged;
    if (!JCF.FileIn(f)) return StreamFileOutcome::Unreadable;
    ApplyAttributeConversions(JCF, conversions);
    return WriteBack(JCF, f);
}

}  // namespace torvane
