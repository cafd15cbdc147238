#include "convert/paste_transform.h"

#include "convert/entity_sets.h"
#include "convert/paste_entities.h"

namespace torvane {

void TransformFigure(TJcfData& doc, const PasteTransformValues& values) {
    const PasteContext context{PasteMap(doc.Enthd.BasePoint_x, doc.Enthd.BasePoint_y, values), values.PasteMoj,
                               values.PasteTen};
    const EntitySet figure = AllEntitySets(doc).front();
    for (auto& e : figure.lines) PasteLine(context, e);
    for (auto& e : figure.arcs) PasteArc(context, e);
    for (auto& e : figure.points) PastePoint(context, e);
    for (auto& e : figure.texts) PasteText(context, e);
    for (auto& e : figure.dimensions) PasteDimension(context, e);
    for (auto& e : figure.solids) PasteSolid(context, e);
    for (auto& e : figure.blocks) PasteBlock(context, e);
}

PasteTransformResult PasteTransformFile(const std::filesystem::path& f, std::u16string_view scale_text,
                                        std::u16string_view angle_text, bool text_scale, bool point_scale,
                                        TJcfData& JCF) {
    PasteTransformResult result;
    result.values = ReadPasteValues(scale_text, angle_text, text_scale, point_scale);
    if (ChangesNothing(result.values)) return result;
    if (!JCF.FileIn(f)) {
        result.outcome = StreamFileOutcome::Unreadable;
        return result;
    }
    TransformFigure(JCF, result.values);
    result.outcome = WriteBack(JCF, f);
    return result;
}

}  // namespace torvane
