#include "util/bmp_file.h"

#include <cstdint>
#include <string>

#include "util/byte_reader.h"
#include "util/byte_writer.h"
#include "util/files.h"

namespace torvane {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Larger files are not thumbnails or previews; refusing them bounds what a read allocates.
constexpr std::size_t kMaxFileSize = 256u << 20;
constexpr std::int64_t kMaxSide = 1 << 16;

std::uint32_t RowStride(std::int64_t width, std::uint32_t bits) {
    return static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
}

std::uint32_t U32At(std::string_view bytes, std::size_t at) {
    ByteReader in(bytes);
    in.Seek(at);
    return in.U32();
}

}  // namespace

bool SaveBmp(const Bitmap& bitmap, const std::filesystem::path& path) {
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > kMaxSide || bitmap.height > kMaxSide ||
        bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
        return false;
    }
    const std::uint32_t stride = RowStride(bitmap.width, 24);
    const std::uint32_t image_size = stride * static_cast<std::uint32_t>(bitmap.height);
    ByteWriter out;
    out.Reserve(kFileHeaderSize + kInfoHeaderSize + image_size);
    out.Bytes("BM");
    out.U32(kFileHeaderSize + kInfoHeaderSize + image_size);
    out.U32(0);
    out.U32(kFileHeaderSize + kInfoHeaderSize);
    out.U32(kInfoHeaderSize);
    out.U32(static_cast<std::uint32_t>(bitmap.width));
    out.U32(static_cast<std::uint32_t>(bitmap.height));  // positive: rows bottom-up
    out.U16(1);
    out.U16(24);
    out.U32(0);  // uncompressed
    out.U32(image_size);
    for (int i = 0; i < 4; ++i) out.U32(0);
    const std::string padding(stride - static_cast<std::uint32_t>(bitmap.width) * 3, '\0');
    for (int y = bitmap.height - 1; y >= 0; --y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t p = bitmap.at(x, y);
            out.U8(static_cast<std::uint8_t>(p & 0xFF));
            out.U8(static_cast<std::uint8_t>((p >> 8) & 0xFF));
            out.U8(static_cast<std::uint8_t>((p >> 16) & 0xFF));
        }
        out.Bytes(padding);
    }
    return WriteFileAtomic(path, out.bytes());
}

std::optional<Bitmap> LoadBmp(const std::filesystem::path& path) {
    const std::optional<std::string> file = ReadFileBytes(path, kMaxFileSize + 1);
    if (!file || file->size() > kMaxFileSize) return std::nullopt;
    const std::string_view bytes = *file;
    ByteReader in(bytes);
    if (in.U8() != 'B' || in.U8() != 'M' || bytes.size() < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
    in.Seek(10);
    const std::uint32_t offset = in.U32();
    const std::uint32_t header_size = in.U32();
    if (header_size < kInfoHeaderSize || header_size > bytes.size() - kFileHeaderSize) return std::nullopt;
    const std::int64_t width = in.S32();
    const std::int64_t raw_height = in.S32();
    const std::uint32_t planes = in.U16();
    const std::uint32_t bits = in.U16();
    const std::uint32_t compression = in.U32();
    const bool top_down = raw_height < 0;
    const std::int64_t height = top_down ? -raw_height : raw_height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || planes != 1) return std::nullopt;
    if (bits != 24 && bits != 32) return std::nullopt;
    if (compression == 3 && bits == 32) {
        // Bit fields: only the plain 0x00RRGGBB layout, the masks following a 40-byte header
        // or lying inside a larger one.
        const std::size_t masks = kFileHeaderSize + kInfoHeaderSize;
        if (bytes.size() < masks + 12 || U32At(bytes, masks) != 0x00FF0000 || U32At(bytes, masks + 4) != 0x0000FF00 ||
            U32At(bytes, masks + 8) != 0x000000FF) {
            return std::nullopt;
        }
    } else if (compression != 0) {
        return std::nullopt;
    }
    const std::uint64_t stride = RowStride(width, bits);
    if (offset < kFileHeaderSize + header_size || offset > bytes.size() ||
        stride * static_cast<std::uint64_t>(height) > bytes.size() - offset) {
        return std::nullopt;
    }

    Bitmap bitmap(static_cast<int>(width), static_cast<int>(height), 0);
    const std::size_t skip = bits / 8 - 3;
    for (std::int64_t row = 0; row < height; ++row) {
        in.Seek(offset + static_cast<std::size_t>(row * static_cast<std::int64_t>(stride)));
        const int y = static_cast<int>(top_down ? row : height - 1 - row);
        for (std::int64_t x = 0; x < width; ++x) {
            const std::uint32_t blue = in.U8();
            const std::uint32_t green = in.U8();
            const std::uint32_t red = in.U8();
            in.Skip(skip);
            bitmap.at(static_cast<int>(x), y) = red << 16 | green << 8 | blue;
        }
    }
    return bitmap;
}

}  // namespace torvane
