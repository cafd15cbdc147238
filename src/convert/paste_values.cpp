#include "convert/paste_values.h"

#include <cmath>
#include <numbers>

#include "util/numbers.h"
#include "util/strings.h"

namespace torvane {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// A scale factor of the palette: near zero, which includes empty, malformed and out-of-range
// texts, counts as no scaling.
double ScaleFactor(std::u16string_view text) {
    const double value = ValReal(text);
    return std::fabs(value) <= 1e-8 ? 1 : value;
}

}  // namespace

double ReduceAngle(double rad) {
    if (!std::isfinite(rad)) return 0;
    double reduced = std::fmod(rad, kTwoPi);
    if (reduced < 0) reduced += kTwoPi;
    if (std::fabs(reduced) <= 1e-10 || std::fabs(reduced - kTwoPi) <= 1e-10) return 0;
    return reduced;
}

PasteTransformValues ReadPasteValues(std::u16string_view scale_text, std::u16string_view angle_text,
                                     bool text_scale, bool point_scale) {
    PasteTransformValues values;
    values.PasteBai = StripBlanks(scale_text);
    values.PasteAng = StripBlanks(angle_text);
    values.PasteMoj = text_scale;
    values.PasteTen = point_scale;

    const std::u16string_view scale = values.PasteBai;
    const auto comma = scale.find(u',');
    if (comma == std::u16string_view::npos) {
        values.PasteBaX = values.PasteBaY = ScaleFactor(scale);
    } else {
        values.PasteBaX = ScaleFactor(scale.substr(0, comma));
        values.PasteBaY = ScaleFactor(scale.substr(comma + 1));
    }

    values.PasteAnr = ReduceAngle(ValReal(values.PasteAng) * std::numbers::pi / 180);
    if (std::fabs(values.PasteAnr) <= 1e-12) values.PasteAnr = 0;
    return values;
}

bool ChangesNothing(const PasteTransformValues& values) {
    return std::fabs(values.PasteBaX - 1) <= 1e-8 && std::fabs(values.PasteBaY - 1) <= 1e-8 &&
           std::fabs(values.PasteAnr) <= 1e-12;
}

}  // namespace torvane
