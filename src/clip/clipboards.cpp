#include "clip/clipboards.h"

#include <array>

#include "clip/clip_files.h"

namespace torvane {
namespace {

constexpr std::array<std::uint8_t, 32> kDefaultDataObject{0x88, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                          0xE0, 0x0F, 0x73, 0x00};
constexpr std::array<std::uint8_t, 64> kDefaultOlePrivateData{0x47, 0xDA, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                              0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,
                                                              0x01, 0x00, 0x00, 0x00};

// The block read as little-endian UTF-16 up to its first zero code unit or its end, plus
// the terminating zero unit, as bytes.
std::vector<std::uint8_t> UnicodeTextOf(std::span<const std::uint8_t> block) {
    std::vector<std::uint8_t> text;
    for (std::size_t at = 0; at + 1 < block.size(); at += 2) {
        if (block[at] == 0 && block[at + 1] == 0) break;
        text.push_back(block[at]);
        text.push_back(block[at + 1]);
    }
    text.push_back(0);
    text.push_back(0);
    return text;
}

}  // namespace

void Clipboards::Open() {
    if (open_count_ == 0) {
        std::u16string reason;
        for (int attempt = 1;; ++attempt) {
            reason.clear();
            if (clipboard_.Open(reason)) break;
            if (attempt == kOpenAttempts) {
                const std::u16string message = u"クリップボード " + reason + u" を開けません";
                ui_.Message(message);
                throw ClipboardUnavailable(message);
            }
            clock_.Sleep(kOpenRetryMs);
        }
        emptied_ = false;
    }
    ++open_count_;
}

void Clipboards::Close() {
    if (open_count_ == 0) return;
    if (--open_count_ == 0) clipboard_.Close();
}

void Clipboards::Clear() {
    ClipboardOpen open(*this);
    emptied_ = clipboard_.Empty();
}

bool Clipboards::Put(std::uint32_t id, std::span<const std::uint8_t> bytes) {
    if (!emptied_) emptied_ = clipboard_.Empty();
    return clipboard_.SetData(id, bytes);
}

int Clipboards::ClipFormatCount() { return clipboard_.FormatCount(); }

std::uint32_t Clipboards::ClipRegister(std::u16string_view name) { return clipboard_.RegisterFormat(name); }

std::optional<std::size_t> Clipboards::ClipDataSize(std::uint32_t id) {
    ClipboardOpen open(*this);
    return clipboard_.DataSize(id);
}

bool Clipboards::ClipSaveFile(std::uint32_t id, const std::filesystem::path& path) {
    ClipboardOpen open(*this);
    bool written = false;
    if (!clipboard_.ViewData(id, [&](std::span<const std::uint8_t> block) { written = WriteFileChunked(path, block, kChunk); })) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
    }
    return written;
}

bool Clipboards::ClipSameAsFile(std::uint32_t id, const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    ClipboardOpen open(*this);
    bool same = false;
    clipboard_.ViewData(id, [&](std::span<const std::uint8_t> block) { same = FileIsPrefixOf(path, block, kChunk); });
    return same;
}

std::size_t Clipboards::ClipLoadFile(std::uint32_t id, const std::filesystem::path& path) {
    auto block = ReadFileChunked(path, kChunk);
    if (!block) return 0;
    const std::size_t size = block->size();
    block->push_back(0);
    ClipboardOpen open(*this);
    if (!Put(id, *block)) return 0;
    Put(Clipboard::kUnicodeText, UnicodeTextOf(*block));
    return size;
}

bool Clipboards::ClipPutEmpty(std::uint32_t id) {
    ClipboardOpen open(*this);
    return Put(id, {});
}

bool ClipDefaultFile0(const std::filesystem::path& path) {
    return WriteFileChunked(path, kDefaultDataObject, Clipboards::kChunk);
}

bool ClipDefaultFile2(const std::filesystem::path& path) {
    return WriteFileChunked(path, kDefaultOlePrivateData, Clipboards::kChunk);
}

}  // namespace torvane
