#include "platform/freetype/freetype_glyphs.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cctype>
#include <array>
#include <cmath>
#include <numbers>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace torvane {
namespace {

// Rendered glyphs kept at most, by number and by pixels: a long session or a large picture meets
// ever new sizes and angles. When either would be exceeded the cache starts afresh.
constexpr std::size_t kMaxCachedGlyphs = 4096;
constexpr std::size_t kMaxCachedPixels = std::size_t{32} << 20;

enum FaceKind { kGothic = 0, kMincho = 1 };

bool IsMinchoName(std::u16string_view face) {
    if (face.find(u"明朝") != std::u16string_view::npos || face.find(u"みんちょう") != std::u16string_view::npos) {
        return true;
    }
    std::string ascii;
    for (char16_t ch : face) {
        ascii += ch < 0x80 ? static_cast<char>(std::tolower(static_cast<unsigned char>(ch))) : '?';
    }
    return ascii.find("mincho") != std::string::npos || ascii.find("minchou") != std::string::npos;
}

std::string FontFile(const char* family) {
    std::string file;
    // A private configuration, destroyed after the look-up, so nothing stays allocated.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return file;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (pattern == nullptr) {
        FcConfigDestroy(config);
        return file;
    }
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    if (match != nullptr) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr) {
            file = reinterpret_cast<const char*>(path);
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return file;
}

char32_t CodePoint(std::u16string_view ch) {
    if (ch.size() >= 2 && ch[0] >= 0xD800 && ch[0] <= 0xDBFF && ch[1] >= 0xDC00 && ch[1] <= 0xDFFF) {
        return 0x10000 + ((static_cast<char32_t>(ch[0]) - 0xD800) << 10) + (static_cast<char32_t>(ch[1]) - 0xDC00);
    }
    return ch.empty() ? 0 : ch[0];
}

bool IsHalf(char32_t c) { return (c >= 0x20 && c <= 0x7E) || (c >= 0xFF61 && c <= 0xFF9F); }

struct GlyphKey {
    int face;
    char32_t code;
    int ppem_x;
    int ppem_y;
    int escapement;
    bool bold;
    bool italic;
    auto operator<=>(const GlyphKey&) const = default;
};

// A rendered mono glyph: its pixels relative to the pen origin (device y down).
struct Glyph {
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> bits;  // one byte per pixel
};

void Plot(Bitmap& target, int x, int y, std::uint32_t rgb) {
    if (x >= 0 && y >= 0 && x < target.width && y < target.height) target.at(x, y) = rgb;
}

}  // namespace

struct FreeTypeGlyphs::Impl {
    FT_Library library = nullptr;
    std::array<FT_Face, 2> faces{nullptr, nullptr};
    std::array<bool, 2> tried{false, false};
    std::map<GlyphKey, Glyph> glyphs;
    std::size_t cached_pixels = 0;

    Impl() {
        if (FT_Init_FreeType(&library) != 0) library = nullptr;
    }
    ~Impl() {
        for (FT_Face face : faces) {
            if (face != nullptr) FT_Done_Face(face);
        }
        if (library != nullptr) FT_Done_FreeType(library);
    }

    FT_Face Face(int kind) {
        if (!tried[kind]) {
            tried[kind] = true;
            std::string file = FontFile(kind == kMincho ? "IPAMincho" : "IPAGothic");
            if (file.empty() && kind == kMincho) file = FontFile("IPAGothic");
            if (library != nullptr && !file.empty() && FT_New_Face(library, file.c_str(), 0, &faces[kind]) != 0) {
                faces[kind] = nullptr;
            }
        }
        return faces[kind];
    }

    const Glyph* Render(FT_Face face, const GlyphKey& key) {
        auto found = glyphs.find(key);
        if (found != glyphs.end()) return &found->second;
        Glyph glyph;
        if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(key.ppem_x), static_cast<FT_UInt>(key.ppem_y)) == 0) {
            const double a = key.escapement / 10.0 * std::numbers::pi / 180.0;
            const double shear = key.italic ? 0.21 : 0.0;
            FT_Matrix m;
            m.xx = static_cast<FT_Fixed>(std::lround(std::cos(a) * 65536));
            m.xy = static_cast<FT_Fixed>(std::lround((shear * std::cos(a) - std::sin(a)) * 65536));
            m.yx = static_cast<FT_Fixed>(std::lround(std::sin(a) * 65536));
            m.yy = static_cast<FT_Fixed>(std::lround((shear * std::sin(a) + std::cos(a)) * 65536));
            FT_Set_Transform(face, &m, nullptr);
            const FT_UInt index = FT_Get_Char_Index(face, key.code);
            if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) == 0) {
                FT_GlyphSlot slot = face->glyph;
                if (key.bold && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
                    const FT_Pos strength = std::max<FT_Pos>(64, key.ppem_y * 64 / 20);
                    FT_Outline_EmboldenXY(&slot->outline, strength, strength);
                }
                if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) == 0) {
                    const FT_Bitmap& b = slot->bitmap;
                    glyph.left = slot->bitmap_left;
                    glyph.top = -slot->bitmap_top;
                    glyph.width = static_cast<int>(b.width);
                    glyph.rows = static_cast<int>(b.rows);
                    glyph.bits.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
                    for (int r = 0; r < glyph.rows; ++r) {
                        const unsigned char* row = b.buffer + static_cast<std::ptrdiff_t>(r) * b.pitch;
                        for (int c = 0; c < glyph.width; ++c) {
                            glyph.bits[static_cast<std::size_t>(r) * glyph.width + c] = (row[c >> 3] >> (7 - (c & 7))) & 1;
                        }
                    }
                }
            }
            FT_Set_Transform(face, nullptr, nullptr);
        }
        if (glyphs.size() >= kMaxCachedGlyphs || cached_pixels + glyph.bits.size() > kMaxCachedPixels) {
            glyphs.clear();
            cached_pixels = 0;
        }
        cached_pixels += glyph.bits.size();
        return &glyphs.emplace(key, std::move(glyph)).first->second;
    }
};

FreeTypeGlyphs::FreeTypeGlyphs() : impl_(std::make_unique<Impl>()) {}
FreeTypeGlyphs::~FreeTypeGlyphs() = default;

std::size_t FreeTypeGlyphs::CachedGlyphs() const { return impl_->glyphs.size(); }

void FreeTypeGlyphs::Draw(Bitmap& target, int x, int y, std::u16string_view ch, const FontRecord& font,
                          std::uint32_t color) {
    const char32_t code = CodePoint(ch);
    constexpr int kLargest = 4000;
    if (code == 0 || font.height < -kLargest || font.height > kLargest || font.width < -kLargest ||
        font.width > kLargest)
        return;
    const int height = std::abs(font.height);
    if (height == 0) return;
    FT_Face face = impl_->Face(IsMinchoName(font.face) ? kMincho : kGothic);
    if (face == nullptr) return;
    const bool half = IsHalf(code);
    const int ppem_x = font.width > 0 ? 2 * font.width : height;
    const double cell_w = half ? ppem_x / 2.0 : ppem_x;
    const GlyphKey key{IsMinchoName(font.face) ? kMincho : kGothic, code, ppem_x, height, font.escapement,
                       font.weight >= 600, font.italic};
    const Glyph* glyph = impl_->Render(face, key);
    const double ascender = face->ascender * static_cast<double>(height) / face->units_per_EM;
    const double descender = -face->descender * static_cast<double>(height) / face->units_per_EM;
    const double baseline = (height - (ascender + descender)) / 2 + ascender;
    const double a = font.escapement / 10.0 * std::numbers::pi / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    // Cell coordinates (right, down) to device: the cell turns counter-clockwise on screen.
    auto device = [&](double u, double v) { return std::pair{x + u * c + v * s, y - u * s + v * c}; };
    const std::uint32_t rgb = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
    const auto [pen_x, pen_y] = device(0, baseline);
    const int ox = static_cast<int>(std::lround(pen_x));
    const int oy = static_cast<int>(std::lround(pen_y));
    for (int r = 0; r < glyph->rows; ++r) {
        for (int col = 0; col < glyph->width; ++col) {
            if (glyph->bits[static_cast<std::size_t>(r) * glyph->width + col] != 0) {
                Plot(target, ox + glyph->left + col, oy + glyph->top + r, rgb);
            }
        }
    }
    const int thickness = std::max(1, static_cast<int>(std::lround(height / 20.0)));
    auto rule = [&](double v) {
        for (int t = 0; t < thickness; ++t) {
            const auto [x1, y1] = device(0, v + t);
            const auto [x2, y2] = device(cell_w, v + t);
            const int steps = static_cast<int>(std::ceil(std::max(std::abs(x2 - x1), std::abs(y2 - y1)))) + 1;
            for (int k = 0; k < steps; ++k) {
                const double f = static_cast<double>(k) / steps;
                Plot(target, static_cast<int>(std::lround(x1 + (x2 - x1) * f)),
                     static_cast<int>(std::lround(y1 + (y2 - y1) * f)), rgb);
            }
        }
    };
    if (font.underline) rule(std::min(baseline + descender / 2, height - 1.0 * thickness));
    if (font.strike_out) rule(baseline - ascender * 0.35);
}

FreeTypeGlyphs& SharedGlyphs() {
    static FreeTypeGlyphs glyphs;
    return glyphs;
}

}  // namespace torvane
