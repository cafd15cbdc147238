#pragma once
#include "convert/paste_map.h"
#include "figure/jwwtype.h"

namespace torvane {

// What the paste transform applies to each entity: the map and whether text sizes and marker
// sizes follow it.
struct PasteContext {
    PasteMap map;
    bool text_scale = false;
    bool point_scale = false;
};

// Moves the start and end points of a line-like record (a line, a text's baseline).
template <class Entity>
void PasteEnds(const PasteContext& context, Entity& entity) {
    const TDPoint start = context.map({entity.start_x, entity.start_y});
    const TDPoint end = context.map({entity.end_x, entity.end_y});
    entity.start_x = start.X;
    entity.start_y = start.Y;
    entity.end_x = end.X;
    entity.end_y = end.Y;
}

void PasteLine(const PasteContext& context, TEntJwwLine& line);
void PasteArc(const PasteContext& context, TEntJwwEnko& arc);
void PastePoint(const PasteContext& context, TEntJwwTen& point);
// A text of the figure; an image text ("^@BM…") only has its baseline ends moved.
void PasteText(const PasteContext& context, TEntJwwMoji& text);
// A text placed as characters, whatever its string: sizes follow the map or the text box is
// re-placed about its centre.
void PasteCharacterText(const PasteContext& context, TEntJwwMoji& text);
void PasteDimension(const PasteContext& context, TEntJwwSunpo& dimension);
void PasteSolid(const PasteContext& context, TEntJwwSolid& solid);
void PasteBlock(const PasteContext& context, TEntJwwBlock& block);

}  // namespace torvane
