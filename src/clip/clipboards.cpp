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

bool Clipboards::TryOpen() {
    if (open_count_ == 0) {
        std::u16string reason;
        if (!clipboard_.Open(reason)) return false;
        emptied_ = false;
    }
    ++open_count_;
    return true;
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

std::uint32_t Clipboards::ClipSequence() { return clipboard_.SequenceNumber(); }

bool Clipboards::ClipHasFormat(std::uint32_t id) { return clipboard_.IsFormatAvailable(id); }

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

std::vector<std::optional<ClipBlock>> Clipboards::ClipReadAll(std::span<const std::uint32_t> ids, bool quietly) {
    if (quietly && !TryOpen()) throw ClipboardUnavailable(u"");
    if (!quietly) Open();
    // Closed however the copying ends (it may run out of memory).
    struct CloseAfter {
        Clipboards& clipboards;
        ~CloseAfter() { clipboards.Close(); }
    } close_after{*this};
    std::vector<std::optional<ClipBlock>> blocks;
    blocks.reserve(ids.size());
    for (const std::uint32_t id : ids) blocks.push_back(clipboard_.GetData(id));
    return blocks;
}

std::vector<std::size_t> Clipboards::ClipPutAll(std::vector<ClipPut> blocks, std::span<const std::uint32_t> markers) {
    // Everything is made before the clipboard is opened: it is held only while the blocks are put.
    std::vector<ClipBlock> texts;
    texts.reserve(blocks.size());
    for (ClipPut& block : blocks) {
        block.bytes.push_back(0);
        texts.push_back(UnicodeTextOf(block.bytes));
    }
    std::vector<std::size_t> sizes(blocks.size(), 0);
    ClipboardOpen open(*this);
    Clear();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (blocks[i].id == 0 || !Put(blocks[i].id, blocks[i].bytes)) continue;
        Put(Clipboard::kUnicodeText, texts[i]);
        sizes[i] = blocks[i].bytes.size() - 1;
    }
    for (const std::uint32_t marker : markers) Put(marker, {});
    return sizes;
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
