#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace torvane {

// What the special text codes print: the figure's file, its memo and title, the two date
// sources and the scales.
struct TextCodeContext {
    std::u16string file_name;  // full path of the figure file
    std::u16string memo, memo1, memo2, title;
    LocalTime now;
    LocalTime file_date;
    double scale_div = 1.0;    // TxtScaleDiv
    double layer_scale = 1.0;  // GLayScale of the text being drawn
};

// The expansion of a special text code that makes up the whole text; nothing when `code`
// is not one.
std::optional<std::u16string> ExpandTextCode(std::u16string_view code, const TextCodeContext& context);

// A date code ("$J", "_j", ...) followed by 1 to 6 characters is cut to its two characters;
// a following number 1..9 becomes the widening in half-width cells (0 otherwise).
struct DateCodeParameter {
    std::u16string text;
    int widening = 0;
};
DateCodeParameter SplitDateCodeParameter(std::u16string_view text);

// Spacing that makes `text` `cells` half-width cells longer, spread over its gaps.
double WidenedSpacing(std::u16string_view text, double w, double sp, int cells);

// The fitting controls at the end of a text (the half-width dot, closing full-width dots and a
// closing "^" digit) removed, with the width and spacing they ask for.
struct FittedText {
    std::u16string text;
    double w = 0;
    double sp = 0;
};
FittedText ApplyFittingControls(std::u16string_view text, double w, double sp);

// Shortest general form of a number, as the scale codes print it.
std::u16string GeneralNumber(double value);

}  // namespace torvane
