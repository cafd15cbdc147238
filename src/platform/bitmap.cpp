#include "platform/bitmap.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <system_error>

namespace torvane {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Larger files are not thumbnails or previews; refusing them bounds what a read allocates.
constexpr std::uintmax_t kMaxFileSize = 256u << 20;
constexpr std::int64_t kMaxSide = 1 << 16;

void Put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t Get16(const std::string& in, std::size_t at) {
    return static_cast<std::uint8_t>(in[at]) | static_cast<std::uint32_t>(static_cast<std::uint8_t>(in[at + 1])) << 8;
}

std::uint32_t Get32(const std::string& in, std::size_t at) { return Get16(in, at) | Get16(in, at + 2) << 16; }

std::uint32_t RowStride(std::int64_t width, std::uint32_t bits) {
    return static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
}

bool ReadWhole(const std::filesystem::path& path, std::string& bytes) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileSize) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    return static_cast<std::uintmax_t>(in.gcount()) == size;
}

}  // namespace

bool SaveBmp(const Bitmap& bitmap, const std::filesystem::path& path) {
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > kMaxSide || bitmap.height > kMaxSide ||
        bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
        return false;
    }
    const std::uint32_t stride = RowStride(bitmap.width, 24);
    const std::uint32_t image_size = stride * static_cast<std::uint32_t>(bitmap.height);
    std::string out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + image_size);
    out += "BM";
    Put32(out, kFileHeaderSize + kInfoHeaderSize + image_size);
    Put32(out, 0);
    Put32(out, kFileHeaderSize + kInfoHeaderSize);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(bitmap.width));
    Put32(out, static_cast<std::uint32_t>(bitmap.height));  // positive: rows bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // uncompressed
    Put32(out, image_size);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = bitmap.height - 1; y >= 0; --y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t p = bitmap.at(x, y);
            out += static_cast<char>(p & 0xFF);
            out += static_cast<char>((p >> 8) & 0xFF);
            out += static_cast<char>((p >> 16) & 0xFF);
        }
        out.append(stride - static_cast<std::uint32_t>(bitmap.width) * 3, '\0');
    }

    std::filesystem::path temp = path;
    temp += ".part";
    std::error_code ec;
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
        file.close();
        if (!file) {
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

std::optional<Bitmap> LoadBmp(const std::filesystem::path& path) {
    std::string in;
    if (!ReadWhole(path, in)) return std::nullopt;
    if (in.size() < kFileHeaderSize + kInfoHeaderSize || in[0] != 'B' || in[1] != 'M') return std::nullopt;
    const std::uint32_t offset = Get32(in, 10);
    const std::uint32_t header_size = Get32(in, 14);
    if (header_size < kInfoHeaderSize || header_size > in.size() - kFileHeaderSize) return std::nullopt;
    const std::int64_t width = static_cast<std::int32_t>(Get32(in, 18));
    const std::int64_t raw_height = static_cast<std::int32_t>(Get32(in, 22));
    const std::uint32_t planes = Get16(in, 26);
    const std::uint32_t bits = Get16(in, 28);
    const std::uint32_t compression = Get32(in, 30);
    const bool top_down = raw_height < 0;
    const std::int64_t height = top_down ? -raw_height : raw_height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || planes != 1) return std::nullopt;
    if (bits != 24 && bits != 32) return std::nullopt;
    if (compression == 3 && bits == 32) {
        // Bit fields: only the plain 0x00RRGGBB layout, the masks following a 40-byte header
        // or lying inside a larger one.
        const std::size_t masks = kFileHeaderSize + kInfoHeaderSize;
        if (in.size() < masks + 12 || Get32(in, masks) != 0x00FF0000 || Get32(in, masks + 4) != 0x0000FF00 ||
            Get32(in, masks + 8) != 0x000000FF) {
            return std::nullopt;
        }
    } else if (compression != 0) {
        return std::nullopt;
    }
    const std::uint64_t stride = RowStride(width, bits);
    if (offset < kFileHeaderSize + header_size || offset > in.size() ||
        stride * static_cast<std::uint64_t>(height) > in.size() - offset) {
        return std::nullopt;
    }

    Bitmap bitmap(static_cast<int>(width), static_cast<int>(height), 0);
    const std::size_t step = bits / 8;
    for (std::int64_t row = 0; row < height; ++row) {
        const std::size_t base = offset + static_cast<std::size_t>(row * static_cast<std::int64_t>(stride));
        const int y = static_cast<int>(top_down ? row : height - 1 - row);
        for (std::int64_t x = 0; x < width; ++x) {
            const std::size_t at = base + static_cast<std::size_t>(x) * step;
            const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<std::uint8_t>(in[at + i])); };
            bitmap.at(static_cast<int>(x), y) = byte(2) << 16 | byte(1) << 8 | byte(0);
        }
    }
    return bitmap;
}

}  // namespace torvane
