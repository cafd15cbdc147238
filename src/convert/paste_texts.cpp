#include <cmath>
#include <numbers>
#include <utility>

#include "convert/paste_entities.h"
#include "util/numbers.h"
#include "util/text_widths.h"

namespace torvane {
namespace {

double RoundSix(double x) { return RoundDigits(6, 2, x); }

double Degrees(double rad) {
    const double deg = rad * 180 / std::numbers::pi;
    return deg >= 360 ? deg - 360 : deg;
}

}  // namespace

void PasteText(const PasteContext& context, TEntJwwMoji& text) {
    if (!text.str.starts_with(u"^@BM")) {
        PasteCharacterText(context, text);
        return;
    }
    // An image keeps its angle and the size held in its string; only its corners move.
    PasteEnds(context, text);
}

void PasteCharacterText(const PasteContext& context, TEntJwwMoji& text) {
    const TDPoint start{text.start_x, text.start_y};
    const TDPoint end{text.end_x, text.end_y};
    // Sizes across (height) and along (advance) the baseline; a vertical text has them swapped.
    const bool vertical = (text.att.sFlg & 0x20) != 0;
    double& height = vertical ? text.dSizeX : text.dSizeY;
    double& advance = vertical ? text.dSizeY : text.dSizeX;
    // A text without length has no direction from its baseline: it keeps it in degKakudo.
    const double length = Dist(start, end);
    const bool has_length = length > 1e-12;
    const double direction = has_length ? Direction(start, end) : text.degKakudo * std::numbers::pi / 180;
    const TDPoint mapped_start = context.map(start);
    const TDPoint mapped_end = context.map(end);
    const double mapped_direction = has_length ? Direction(mapped_start, mapped_end)
                                               : Direction(mapped_start, context.map(Offset(start, direction, 1, 0)));
    TDPoint new_start = mapped_start;
    TDPoint new_end = mapped_end;

    if (context.text_scale) {
        // A text without length has no stretch along its baseline: its sizes stay.
        if (has_length) {
            const double stretch = Dist(mapped_start, mapped_end) / length;
            const TDPoint top = context.map(Offset(start, direction, 0, height));
            height = RoundSix(Dist(top, mapped_start));
            advance = RoundSix(advance * stretch);
            if (std::fabs(text.dKankaku - 0.01) > 1e-8) text.dKankaku = RoundSix(text.dKankaku * stretch);
        }
        // The sizes no longer belong to a text type: keep only the font style and the hundreds.
        text.nMojiShu = text.nMojiShu / 100 * 100;
    } else {
        // Sizes stay; the text box (its length from characters by its height) keeps its centre.
        const double box_length = TextLenAnsi(text.str, advance, text.dKankaku);
        const TDPoint centre = context.map(Offset(start, direction, box_length / 2, height / 2));
        // Under a mirror the box lies below the baseline until start and end are exchanged.
        const double across = context.map.Mirrors() ? -height / 2 : height / 2;
        new_start = Offset(centre, mapped_direction, -box_length / 2, -across);
        new_end = Offset(new_start, mapped_direction, box_length, 0);
    }

    // A mirrored text would read backwards: it runs from its mapped end to its mapped start.
    if (context.map.Mirrors()) std::swap(new_start, new_end);
    text.start_x = new_start.X;
    text.start_y = new_start.Y;
    text.end_x = new_end.X;
    text.end_y = new_end.Y;
    const double turned = context.map.Mirrors() ? ReduceAngle(mapped_direction + std::numbers::pi) : mapped_direction;
    text.degKakudo = Degrees(Dist(new_start, new_end) > 1e-12 ? Direction(new_start, new_end) : turned);
}

}  // namespace torvane
