#include "cli/png_writer.h"

#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

#include "util/files.h"

namespace torvane {

bool SavePng(const Bitmap& bitmap, const std::filesystem::path& path) {
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
        return false;
    }
    std::vector<std::uint8_t> rgb;
    rgb.reserve(bitmap.pixels.size() * 3);
    for (std::uint32_t p : bitmap.pixels) {
        rgb.push_back(static_cast<std::uint8_t>(p >> 16));
        rgb.push_back(static_cast<std::uint8_t>(p >> 8));
        rgb.push_back(static_cast<std::uint8_t>(p));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(bitmap.width);
    image.height = static_cast<png_uint_32>(bitmap.height);
    image.format = PNG_FORMAT_RGB;
    // The first call measures, the second writes.
    png_alloc_size_t size = 0;
    bool encoded = png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr) != 0;
    std::string bytes(size, '\0');
    encoded = encoded && png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return encoded && WriteFileAtomic(path, std::string_view(bytes.data(), size));
}

}  // namespace torvane
