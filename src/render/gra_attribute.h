#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace torvane {

// One layer of the 256 (index group × 16 + layer).
struct TjwvLayer {
    std::int32_t sta = 1;  // 1 normal, 2 grey, 3 hidden
    double sca = 1.0;
    std::u16string gna;
    std::u16string nam;
};

// One pen colour: ARGB colour, pen width and point radius in world units.
struct TjwvColor {
    std::uint32_t color = 0;
    double width = 0;
    double ten_r = 0;
};

// One line type: seg pattern elements in use (0 = solid), positive dash, negative gap, 0 a dot.
struct TjwvLtype {
    std::int32_t seg = 0;
    double amp = 0;
    std::array<double, 32> pa{};
    double pit = 0;
};

// How Jw_cad entities look when drawn: layers, pen colours, widths, point radii, line types,
// background and the display switches. Colours are ARGB (0xAARRGGBB).
class TgraAttribute {
public:
    static constexpr int kLayerCount = 256;
    static constexpr int kColorCount = 265;
    static constexpr int kLtypeCount = 50;

    TgraAttribute();

    void DataInit();

    void SetDisplayMode(bool m) { DispMode = m; }
    bool GetDisplayMode() const { return DispMode; }

    // 0 white background, 1 black; other numbers change nothing.
    void SetBackColor(std::int32_t n);
    std::int32_t GetBackColorNo() const { return BkColor; }
    std::uint32_t GetBackColor() const { return BackColor; }

    void SetGrayColor(std::uint32_t n) { GrayColor = n; }
    std::uint32_t GetGrayColor() const { return GrayColor; }

    void SetDispHojo(std::int32_t n) { DispHojo = n != 0; }
    void SetDispKijun(std::int32_t n) { DispKijun = n != 0; }
    std::int32_t GetDispHojo() const { return DispHojo ? 1 : 0; }
    std::int32_t GetDispKijun() const { return DispKijun ? 1 : 0; }

    void SetAll1Color(bool f) { All1ColorFlag = f; }
    bool GetAll1ColorState() const { return All1ColorFlag; }
    std::uint32_t GetAll1Color() const { return All1Color; }

    void SetAttrLayer(int n, std::int32_t st, double sc);
    std::int32_t GetAttrLayerState(int n) const;
    void SetDefaultLayer();

    std::uint32_t GetAttrColcol(int jn) const;
    double GetAttrColwid(int jn) const;
    double GetAttrColten(int jn) const;
    void SetDefaultColor();
    void SetDefaultWidth();
    void SetDefaultTenR();

    void SetDefaultLtype();

    // Table index of a Jw_cad colour number (1..9, 101..356) or line-type number
    // (1..9, 11..19, 31..62); -1 when the number has no entry.
    static int ColorIndex(int jn);
    static int LtypeIndex(int jn);

    bool DispMode = false;
    bool PrintMode = false;
    std::int32_t Sikii0 = -1;
    std::int32_t Sikii1 = -1;
    std::int32_t Sikii2 = -1;
    std::int32_t BkColor = 0;
    std::uint32_t BackColor = 0xFFFFFFFF;
    std::uint32_t ForeColor = 0xFF000000;
    std::uint32_t GrayColor = 0xFF808080;
    bool DispHojo = false;
    bool DispKijun = false;
    bool All1ColorFlag = false;
    std::uint32_t All1Color = 0xFFFFFFFF;
    std::array<TjwvLayer, kLayerCount> jwvLay;
    std::int32_t jwvLayN = kLayerCount;
    std::array<TjwvColor, kColorCount> jwvCol;
    std::int32_t jwvColN = kColorCount;
    std::array<TjwvLtype, kLtypeCount> jwvTyp;
    std::int32_t jwvTypN = kLtypeCount;
};

// The one instance every drawing routine uses.
extern TgraAttribute gGraAtt;

// Re-derives the background and foreground from the background number and rebuilds the
// colour, width and point-radius columns of gGraAtt.
void RestoreColorDefaults();
// Rebuilds the line-type table of gGraAtt.
void RestoreLtypeDefaults();
// Sets gGraAtt as the program does at its start: display mode off, white background, the
// default colours, layers, widths, point radii and line types, auxiliary lines and the
// reference-point mark shown, grey for grey layers, all-one-colour off.
void SetStartupAttributes();

// ARGB from red, green and blue, alpha 0xFF.
constexpr std::uint32_t Argb(int r, int g, int b) {
    return 0xFF000000u + static_cast<std::uint32_t>(r) * 65536u + static_cast<std::uint32_t>(g) * 256u +
           static_cast<std::uint32_t>(b);
}

}  // namespace torvane
