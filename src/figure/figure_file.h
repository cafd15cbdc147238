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

// The whole figure file into `bytes` (whose memory is reused); false when it cannot be read or
// holds more than kMaxFigureFileBytes.
bool ReadFigureFileInto(const std::filesystem::path& path, std::string& bytes);

// The bytes of the figure file read last, kept so that reading again allocates nothing new;
// a buffer larger than kKeptReadBuffer is given back after the read.
inline constexpr std::size_t kKeptReadBuffer = std::size_t{128} << 20;
inline std::string& DocumentReadBuffer() {
    thread_local std::string buffer;
    return buffer;
}

// Reads a whole figure file with the document's ReadBytes; a file that cannot be read or is
// too large leaves the document empty and gives false. A name that is no text leaves the
// document unnamed.
template <class Document>
bool ReadDocumentFile(Document& doc, const std::filesystem::path& path) {
    std::string& bytes = DocumentReadBuffer();
    bool read = ReadFigureFileInto(path, bytes);
    if (read) {
        read = doc.ReadBytes(AsBytes(bytes), PathText(path));
    } else {
        doc.DataInit();
    }
    if (bytes.capacity() > kKeptReadBuffer) std::string().swap(bytes);
    return read;
}

// Checks the first `head` bytes of a figure file with the document's CheckBytes.
template <class Document>
bool CheckDocumentFile(const std::filesystem::path& path, std::size_t head) {
    const std::optional<std::string> bytes = ReadFileBytes(path, head);
    return bytes && Document::CheckBytes(AsBytes(*bytes));
}

}  // namespace torvane
