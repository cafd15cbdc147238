#include <memory>

#include "platform/device.h"
#include "platform/freetype/freetype_glyphs.h"
#include "platform/software/software_device.h"

namespace torvane {

std::unique_ptr<Device> CreateDevice(Bitmap& target) {
    auto device = std::make_unique<SoftwareDevice>(target);
    device->SetGlyphDrawer([](Bitmap& bitmap, int x, int y, std::u16string_view ch, const FontRecord& font,
                              std::uint32_t color) { SharedGlyphs().Draw(bitmap, x, y, ch, font, color); });
    return device;
}

}  // namespace torvane
