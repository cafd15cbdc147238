#include <cmath>
#include <initializer_list>
#include <numbers>

#include "figure/text_code_context.h"
#include "render/gra_attribute.h"
#include "render/graph1.h"
#include "render/inline_codes.h"
#include "render/text_clock.h"
#include "render/text_codes.h"
#include "util/colors.h"
#include "util/geometry.h"
#include "util/text_widths.h"

namespace torvane {
namespace {

constexpr std::u16string_view kGothicFace = u"ＭＳ ゴシック";
// Full-width characters that keep the line's direction in vertical text.
constexpr std::u16string_view kUprightInVertical =
    u"【＜≪〈《（｛〔［「『｜―－‐＝＿￣』」］〕｝）》〉≫＞】。、ー～≠≒";
// Full-width punctuation set further from the line in vertical text.
constexpr std::u16string_view kShiftedInVertical = u"．，°′″’”´゛゜";

// Positions, sizes and angles that are not finite give no text: none of them may reach the
// integers of a font or a device point.
bool AllFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

TextCodeContext CurrentTextCodeContext() {
    TextCodeContext c;
    c.file_name = TxtFileName;
    c.memo = TxtMemo;
    c.memo1 = TxtMemo1;
    c.memo2 = TxtMemo2;
    c.title = TxtTitle;
    c.now = TextCodeNow();
    c.file_date = TxtFileDate;
    c.scale_div = TxtScaleDiv;
    c.layer_scale = GLayScale;
    return c;
}

}  // namespace

std::int32_t TGraph1::GLAText3(double x1, double y1, double x2, double y2, double h, double w, double sp,
                               std::int32_t Ftyp, const std::u16string& f, const std::u16string& s) {
    if (IsBlankText(s)) return kGLDot;
    if (!AllFinite({x1, y1, x2, y2, h, w, sp})) return kGLOutside;
    if (std::abs(h) * LogicScale <= 2 || std::abs(TextWidth(s, w, sp)) * LogicScale <= 2) {
        GLLine(x1, y1, x2, y2);
        return kGLDot;
    }
    if (std::abs(h) * LogicScale > 3000 || std::abs(w) * LogicScale > 3000) return kGLOutside;
    const std::uint32_t own_color = PenColor();
    double ang = VecAngle(x2 - x1, y2 - y1);
    if (w < 0) {
        w = -w;
        sp = -sp;
        ang = std::fmod(ang + std::numbers::pi, 2 * std::numbers::pi);
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const FittedText fitted = ApplyFittingControls(s, w, sp);
    w = fitted.w;
    sp = fitted.sp;
    const DateCodeParameter coded = SplitDateCodeParameter(fitted.text);
    if (const auto expansion = ExpandTextCode(coded.text, CurrentTextCodeContext())) {
        if (coded.widening > 0) sp = WidenedSpacing(*expansion, w, sp, coded.widening);
        return GLAText2(x1, y1, ang, h, w, sp, Ftyp, f, *expansion);
    }
    if (coded.text.find(u'^') == std::u16string::npos) {
        return GLAText2(x1, y1, ang, h, w, sp, Ftyp, f, coded.text);
    }
    const double c = std::cos(ang);
    const double sn = std::sin(ang);
    bool drawn = false;
    for (const InlineRun& run : SplitInlineCodes(coded.text, h, w, sp, Ftyp)) {
        const std::uint32_t color = run.color == 0 ? own_color : ArgbToColor(gGraAtt.GetAttrColcol(run.color));
        GPenSet(color, 0, PenWidth());
        const double x = x1 + run.offset * c - run.raise * sn;
        const double y = y1 + run.offset * sn + run.raise * c;
        const std::u16string face = run.gothic ? std::u16string(kGothicFace) : f;
        drawn = GLAText2(x, y, ang, run.h, run.w, run.sp, run.style, face, run.text) == kGLDrawn || drawn;
    }
    GPenSet(own_color, 0, PenWidth());
    return drawn ? kGLDrawn : kGLOutside;
}

std::int32_t TGraph1::GLAText2(double xx, double yy, double ang, double h, double w, double sp, std::int32_t Ftyp,
                               const std::u16string& f, const std::u16string& s) {
    if (IsBlankText(s)) return kGLDot;
    if (!AllFinite({xx, yy, ang, h, w, sp})) return kGLOutside;
    if (std::abs(h) * LogicScale <= 2 || std::abs(TextWidth(s, w, sp)) * LogicScale <= 2) {
        GLTen(xx, yy);
        return kGLDot;
    }
    if (std::abs(h) * LogicScale > 3000 || std::abs(w) * LogicScale > 3000) return kGLOutside;
    std::u16string face = f;
    double turned = ang;
    bool vertical = false;
    for (int i = 0; i < 4 && !face.empty() && face[0] == u'@'; ++i) {
        face.erase(0, 1);
        turned = std::fmod(turned + std::numbers::pi / 2, 2 * std::numbers::pi);
        vertical = true;
    }
    FontName = face;
    FontStyle = Ftyp;
    const double c = std::cos(ang);
    const double sn = std::sin(ang);
    int drawn = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = CharUnitsAt(s, i);
        const std::u16string ch = s.substr(i, n);
        const bool half = IsHalfWidthAt(s, i);
        const double ox = half ? std::abs(w) / 4 : std::abs(w) / 2;
        double oy = std::abs(h) / 2;
        double a = ang;
        if (vertical && !half) {
            if (n == 1 && kShiftedInVertical.find(ch[0]) != std::u16string_view::npos) {
                oy = 0.9 * std::abs(h);
                a = turned;
            } else if (n == 2 || kUprightInVertical.find(ch[0]) == std::u16string_view::npos) {
                a = turned;
            }
        }
        if (GLAText1(xx + ox * c - oy * sn, yy + ox * sn + oy * c, h, w, a, 4, ch) == kGLDrawn) ++drawn;
        const double advance = half ? (w + sp) / 2 : w + sp;
        xx += advance * c;
        yy += advance * sn;
        i += n;
    }
    return drawn > 0 ? kGLDrawn : kGLOutside;
}

std::int32_t TGraph1::GLAText1(double x, double y, double h, double w, double a, std::int32_t Fm,
                               const std::u16string& s) {
    if (s.empty() || s == u" " || s == u"　") return kGLDot;
    if (!AllFinite({x, y, h, w, a})) return kGLOutside;
    if (h < 0) {
        h = -h;
        if (Fm <= 2) {
            Fm += 6;
        } else if (Fm > 5) {
            Fm -= 6;
        }
    }
    const double cw = IsHalfWidthAt(s, 0) ? std::abs(w) / 2 : std::abs(w);
    const int column = Fm >= 0 && Fm <= 8 ? Fm % 3 : 0;
    const int row = Fm >= 0 && Fm <= 8 ? Fm / 3 : 0;
    // From the reference point to the cell's top-left corner, before the rotation.
    const double ox = -cw / 2 * column;
    const double oy = h - h / 2 * row;
    const double c = std::cos(a);
    const double sn = std::sin(a);
    const double px = x + ox * c - oy * sn;
    const double py = y + ox * sn + oy * c;
    // Corners: P, along the baseline by cw, down by h, and the fourth.
    const double corners[4][2] = {{px, py},
                                  {px + cw * c, py + cw * sn},
                                  {px + h * sn, py - h * c},
                                  {px + cw * c + h * sn, py + cw * sn - h * c}};
    std::int32_t beyond = 15;
    for (const auto& p : corners) beyond &= ClipOutCode(p[0], p[1], LogicWx1, LogicWy1, LogicWx2, LogicWy2);
    if (beyond != 0) return kGLOutside;
    const double device_w = cw * LogicScale;
    const double device_h = h * LogicScale;
    if (device_w <= 2 || device_h <= 2) {
        GLTen(px, py);
        return kGLDot;
    }
    FontRecord font;
    font.height = DeviceRound(device_h);
    const int cell = DeviceRound(device_w);
    font.width = IsHalfWidthAt(s, 0) ? cell : cell / 2;
    font.escapement = DeviceRound(a / std::numbers::pi * 1800);
    font.weight = (FontStyle & 1) != 0 ? 700 : 400;
    font.italic = (FontStyle & 2) != 0;
    font.underline = (FontStyle & 4) != 0;
    font.strike_out = (FontStyle & 8) != 0;
    font.charset = s.size() == 2 ? 77 : 1;
    font.face = FontName.substr(0, 31);
    double dx = 0;
    double dy = 0;
    GLTransPt(px, py, dx, dy);
    Canvas().TextChar(DeviceRound(dx), DeviceRound(dy), s, font, PenColor());
    return kGLDrawn;
}

}  // namespace torvane
