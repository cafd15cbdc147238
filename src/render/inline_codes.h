#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// One piece of a text with inline "^" codes, placed relative to the text's start.
struct InlineRun {
    std::u16string text;
    double offset = 0;  // along the baseline, world units
    double raise = 0;   // across the baseline, towards the top of the text
    double h = 0;
    double w = 0;
    double sp = 0;
    int style = 0;        // font style bits: 1 bold, 2 italic, 4 underline, 8 strike-out
    int color = 0;        // Jw_cad colour 1..9, or 0 for the pen colour the text began with
    bool gothic = false;  // "ＭＳ ゴシック" instead of the text's own font
    bool operator==(const InlineRun&) const = default;
};

// Cuts a text into runs at its inline codes ("^!" bold, "^$3" colour 3, "^u" superscript ...).
std::vector<InlineRun> SplitInlineCodes(std::u16string_view s, double h, double w, double sp, int style);

}  // namespace torvane
