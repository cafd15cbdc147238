#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "util/files.h"

namespace torvane {

// The bytes of a string as the readers take them.
inline std::span<const std::uint8_t> AsBytes(std::string_view bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

// Figure files larger than this are refused: Jw_cad's own are far smaller.
inline constexpr std::uintmax_t kMaxFigureFileBytes = std::uintmax_t{512} << 20;

// The whole figure file; nothing when it cannot be read or holds more than kMaxFigureFileBytes.
std::optional<std::string> ReadFigureFileBytes(const std::filesystem::path& path);

// Reads a whole figure file with the document's ReadBytes; a file that cannot be read or is
// too large leaves the document empty and gives false. A name that is no text leaves the
// document unnamed.
template <class Document>
bool ReadDocumentFile(Document& doc, const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadFigureFileBytes(path);
    if (!bytes) {
        doc.DataInit();
        return false;
    }
    return doc.ReadBytes(AsBytes(*bytes), PathText(path));
}

// Checks the first `head` bytes of a figure file with the document's CheckBytes.
template <class Document>
bool CheckDocumentFile(const std::filesystem::path& path, std::size_t head) {
    const std::optional<std::string> bytes = ReadFileBytes(path, head);
    return bytes && Document::CheckBytes(AsBytes(*bytes));
}

}  // namespace torvane
