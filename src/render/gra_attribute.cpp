#include "render/gra_attribute.h"

#include <cmath>
#include <initializer_list>

namespace torvane {

TgraAttribute gGraAtt;

namespace {

struct PresetColor {
    int number;
    std::uint32_t on_white;
    std::uint32_t on_black;
};

constexpr PresetColor kPresetColors[] = {
    {1, Argb(0, 192, 192), Argb(0, 255, 255)},     {2, Argb(0, 0, 0), Argb(255, 255, 255)},
    {3, Argb(0, 192, 0), Argb(0, 255, 0)},         {4, Argb(192, 192, 0), Argb(255, 255, 0)},
    {5, Argb(192, 0, 192), Argb(192, 0, 192)},     {6, Argb(0, 0, 255), Argb(32, 32, 255)},
    {7, Argb(0, 128, 128), Argb(0, 128, 128)},     {8, Argb(255, 0, 128), Argb(160, 0, 0)},
    {9, Argb(255, 128, 255), Argb(192, 128, 128)}, {101, Argb(0, 0, 0), Argb(255, 255, 255)},
    {102, Argb(255, 0, 0), Argb(255, 0, 0)},       {103, Argb(0, 255, 0), Argb(0, 255, 0)},
    {104, Argb(0, 0, 255), Argb(0, 0, 255)},       {105, Argb(255, 255, 0), Argb(255, 255, 0)},
    {106, Argb(255, 0, 255), Argb(255, 0, 255)},   {107, Argb(0, 255, 255), Argb(0, 255, 255)},
    {108, Argb(0, 0, 0), Argb(255, 255, 255)},     {109, Argb(192, 0, 128), Argb(192, 0, 128)},
    {110, Argb(192, 128, 64), Argb(192, 128, 64)}, {111, Argb(255, 128, 0), Argb(255, 128, 0)},
    {112, Argb(128, 192, 128), Argb(128, 192, 128)}, {113, Argb(0, 128, 255), Argb(0, 128, 255)},
    {114, Argb(128, 64, 255), Argb(128, 64, 255)}, {115, Argb(192, 192, 192), Argb(192, 192, 192)},
    {116, Argb(128, 128, 128), Argb(128, 128, 128)},
};

struct PresetPen {
    int number;
    double width;
    double ten_r;
};

constexpr PresetPen kPresetPens[] = {
    {1, 0.1, 0.2},  {2, 0.15, 0.3}, {3, 0.2, 0.4}, {4, 0.25, 0.5}, {5, 0.3, 0.5},
    {6, 0.35, 0.5}, {7, 0.4, 0.5},  {8, 0.5, 0.5}, {9, 0.01, 0.2},
};

struct PresetLtype {
    int number;
    std::initializer_list<double> pattern;
};

const PresetLtype kPresetLtypes[] = {
    {2, {0.36, -0.72, 0.36}},
    {3, {0.72, -1.44, 0.72}},
    {4, {1.08, -0.72, 1.08}},
    {5, {1.8, -0.72, 0.72, -0.72, 1.8}},
    {6, {4.68, -0.72, 0.72, -0.72, 4.68}},
    {7, {1.44, -0.72, 0.36, -0.72, 0.36, -0.72, 1.44}},
    {8, {4.32, -0.72, 0.36, -0.72, 0.36, -0.72, 4.32}},
    {9, {0.18, -1.08, 0.18}},
    {16, {8.4, -1.2, 1.6, -1.2, 8.4}},
    {17, {10.6, -1.6, 1.2, -1.6, 1.2, -1.6, 10.6}},
    {18, {13.6, -1.6, 13.6}},
    {19, {22, -3, 22}},
    {32, {6, -1.5}},
    {33, {6, -6}},
    {34, {12, -1.5, 0.25, -1.5}},
    {35, {12, -1.5, 0.25, -1.5, 0.25, -1.5}},
    {36, {12, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5}},
    {37, {0.25, -1.5}},
    {38, {12, -1.5, 3.5, -1.5}},
    {39, {12, -1.5, 3.5, -1.5, 3.5, -1.5}},
    {40, {6, -1.5, 0.25, -1.5}},
    {41, {6, -1.5, 6, -1.5, 0.25, -1.5}},
    {42, {6, -1.5, 0.25, -1.5, 0.25, -1.5}},
    {43, {6, -1.5, 6, -1.5, 0.25, -1.5, 0.25, -1.5}},
    {44, {6, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5}},
    {45, {6, -1.5, 6, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5}},
};

struct RandomLtype {
    int number;
    double unit;
    double amp;
};

constexpr RandomLtype kRandomLtypes[] = {
    {11, 0.6, 0.3}, {12, 1.2, 0.3}, {13, 1.8, 0.6}, {14, 2.4, 0.6}, {15, 3.0, 0.6},
};

// Signs of the random-line elements: digit − 1, so "2" is a dash and "0" a gap.
constexpr char kRandomPattern[] = "22002200202200202022002200202020";

char16_t HexDigit(int v) { return static_cast<char16_t>(v < 10 ? u'0' + v : u'A' + v - 10); }

}  // namespace

TgraAttribute::TgraAttribute() { DataInit(); }

void TgraAttribute::DataInit() {
    DispMode = false;
    PrintMode = false;
    Sikii0 = Sikii1 = Sikii2 = -1;
    BkColor = 0;
    BackColor = 0xFFFFFFFF;
    ForeColor = 0xFF000000;
    GrayColor = 0xFF808080;
    DispHojo = false;
    DispKijun = false;
    All1ColorFlag = false;
    All1Color = 0xFFFFFFFF;
    SetDefaultLayer();
    SetDefaultColor();
    SetDefaultWidth();
    SetDefaultTenR();
    SetDefaultLtype();
}

void TgraAttribute::SetBackColor(std::int32_t n) {
    if (n == 0) {
        BkColor = 0;
        BackColor = 0xFFFFFFFF;
        ForeColor = 0xFF000000;
    } else if (n == 1) {
        BkColor = 1;
        BackColor = 0xFF000000;
        ForeColor = 0xFFFFFFFF;
    }
}

void TgraAttribute::SetAttrLayer(int n, std::int32_t st, double sc) {
    if (n < 0 || n >= jwvLayN) return;
    if (st < 1 || st > 3) st = 1;
    if (!(sc > 0)) sc = 1.0;  // also catches NaN
    jwvLay[static_cast<std::size_t>(n)].sta = st;
    jwvLay[static_cast<std::size_t>(n)].sca = sc;
}

std::int32_t TgraAttribute::GetAttrLayerState(int n) const {
    if (n < 0 || n >= jwvLayN) return 1;
    return jwvLay[static_cast<std::size_t>(n)].sta;
}

void TgraAttribute::SetDefaultLayer() {
    for (int n = 0; n < jwvLayN; ++n) {
        TjwvLayer& layer = jwvLay[static_cast<std::size_t>(n)];
        layer.sta = 1;
        layer.sca = 1.0;
        layer.gna = {u'[', HexDigit(n / 16), u']', u' '};
        layer.nam = {u'(', HexDigit(n % 16), u')', u' '};
    }
}

int TgraAttribute::ColorIndex(int jn) {
    if (jn >= 1 && jn <= 9) return jn - 1;
    if (jn >= 101 && jn <= 356) return jn - 92;
    return -1;
}

int TgraAttribute::LtypeIndex(int jn) {
    if (jn >= 1 && jn <= 9) return jn - 1;
    if (jn >= 11 && jn <= 19) return jn - 2;
    if (jn >= 31 && jn <= 62) return jn - 13;
    return -1;
}

std::uint32_t TgraAttribute::GetAttrColcol(int jn) const {
    const int i = ColorIndex(jn);
    return i < 0 ? BackColor : jwvCol[static_cast<std::size_t>(i)].color;
}

double TgraAttribute::GetAttrColwid(int jn) const {
    const int i = ColorIndex(jn);
    return i < 0 ? 0.0 : jwvCol[static_cast<std::size_t>(i)].width;
}

double TgraAttribute::GetAttrColten(int jn) const {
    const int i = ColorIndex(jn);
    return i < 0 ? 0.1 : jwvCol[static_cast<std::size_t>(i)].ten_r;
}

void TgraAttribute::SetDefaultColor() {
    for (TjwvColor& c : jwvCol) c.color = ForeColor;
    if (BkColor != 0 && BkColor != 1) return;
    for (const PresetColor& p : kPresetColors) {
        jwvCol[static_cast<std::size_t>(ColorIndex(p.number))].color = BkColor == 0 ? p.on_white : p.on_black;
    }
}

void TgraAttribute::SetDefaultWidth() {
    for (TjwvColor& c : jwvCol) c.width = 0.18;
    for (const PresetPen& p : kPresetPens) jwvCol[static_cast<std::size_t>(ColorIndex(p.number))].width = p.width;
}

void TgraAttribute::SetDefaultTenR() {
    for (TjwvColor& c : jwvCol) c.ten_r = 0.2;
    for (const PresetPen& p : kPresetPens) jwvCol[static_cast<std::size_t>(ColorIndex(p.number))].ten_r = p.ten_r;
}

void TgraAttribute::SetDefaultLtype() {
    for (TjwvLtype& t : jwvTyp) t = TjwvLtype{};
    for (const PresetLtype& p : kPresetLtypes) {
        TjwvLtype& t = jwvTyp[static_cast<std::size_t>(LtypeIndex(p.number))];
        t.seg = static_cast<std::int32_t>(p.pattern.size());
        std::size_t i = 0;
        for (double v : p.pattern) t.pa[i++] = v;
    }
    for (const RandomLtype& r : kRandomLtypes) {
        TjwvLtype& t = jwvTyp[static_cast<std::size_t>(LtypeIndex(r.number))];
        t.seg = 32;
        t.amp = r.amp;
        for (std::size_t i = 0; i < 32; ++i) t.pa[i] = (kRandomPattern[i] - '0' - 1) * r.unit;
    }
    for (TjwvLtype& t : jwvTyp) {
        t.pit = 0;
        for (int i = 0; i < t.seg; ++i) t.pit += std::fabs(t.pa[static_cast<std::size_t>(i)]);
    }
}

void RestoreColorDefaults() {
    gGraAtt.SetBackColor(gGraAtt.GetBackColorNo());
    gGraAtt.SetDefaultColor();
    gGraAtt.SetDefaultWidth();
    gGraAtt.SetDefaultTenR();
}

void RestoreLtypeDefaults() { gGraAtt.SetDefaultLtype(); }

void SetStartupAttributes() {
    gGraAtt.DataInit();
    gGraAtt.SetDisplayMode(false);
    gGraAtt.SetBackColor(0);
    gGraAtt.SetDefaultColor();
    gGraAtt.SetDefaultLayer();
    gGraAtt.SetDefaultWidth();
    gGraAtt.SetDefaultTenR();
    gGraAtt.SetDefaultLtype();
    gGraAtt.SetDispHojo(1);
    gGraAtt.SetDispKijun(1);
    gGraAtt.SetGrayColor(0xFF808080);
    gGraAtt.SetAll1Color(false);
}

}  // namespace torvane
