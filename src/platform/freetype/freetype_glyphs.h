#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/device.h"

namespace torvane {

// Draws single characters as GDI's TextOut would for a font record: the character's cell
// (height x the full- or half-width cell width) has its top-left at (x, y), rotated by the
// escapement about that point; the glyph is centred in its cell, drawn without anti-aliasing.
// Faces: mincho names map to IPAMincho, every other name to IPAGothic. Faces are kept for the
// life of the object, rendered glyphs up to a bounded number and size.
class FreeTypeGlyphs {
public:
    FreeTypeGlyphs();
    ~FreeTypeGlyphs();
    FreeTypeGlyphs(const FreeTypeGlyphs&) = delete;
    FreeTypeGlyphs& operator=(const FreeTypeGlyphs&) = delete;

    // `color` is a GDI colour (0x00BBGGRR).
    void Draw(Bitmap& target, int x, int y, std::u16string_view ch, const FontRecord& font, std::uint32_t color);
    // Rendered glyphs held now.
    std::size_t CachedGlyphs() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The glyph drawer shared by every portable device.
FreeTypeGlyphs& SharedGlyphs();

}  // namespace torvane
