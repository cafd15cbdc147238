#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <span>
#include <utility>
#include <vector>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/ui_services.h"

namespace torvane {

// Thrown when the clipboard stays held by another program. The user has been told already;
// the operation that wanted the clipboard is abandoned by letting this pass.
class ClipboardUnavailable : public std::runtime_error {
public:
    explicit ClipboardUnavailable(std::u16string message)
        : std::runtime_error("the clipboard cannot be opened"), message_(std::move(message)) {}
    // The text shown to the user.
    const std::u16string& message() const { return message_; }

private:
    std::u16string message_;
};

// A block of clipboard data.
using ClipBlock = std::vector<std::uint8_t>;

// A block to put on the clipboard under a format.
struct ClipPut {
    std::uint32_t id = 0;
    ClipBlock bytes;
};

// The application's single clipboard object and the raw clipboard operations of capture and
// transfer. Open and Close nest: the system clipboard is opened by the outermost Open and
// closed by the matching Close. The first format put during one opening empties the
// clipboard first, so the clipboard ends up holding only what was put.
class Clipboards {
public:
    // Attempts to open before giving up, with this wait between attempts.
    static constexpr int kOpenAttempts = 6;
    static constexpr std::uint32_t kOpenRetryMs = 100;
    // Files are read, written and compared in chunks of this size.
    static constexpr std::size_t kChunk = 2048;

    Clipboards(Clipboard& clipboard, const Clock& clock, UiServices& ui) : clipboard_(clipboard), clock_(clock), ui_(ui) {}
    Clipboards(const Clipboards&) = delete;
    Clipboards& operator=(const Clipboards&) = delete;

    // Retries for about half a second while another program holds the clipboard, then shows
    // "クリップボード <reason> を開けません" and throws ClipboardUnavailable.
    void Open();
    // One attempt to open, nothing said: false while another program holds the clipboard.
    bool TryOpen();
    void Close();
    // Removes everything from the clipboard (opening it for the purpose).
    void Clear();

    int ClipFormatCount();
    // Changes whenever the clipboard's contents change; the clipboard is not opened.
    std::uint32_t ClipSequence();
    // True when the format is on the clipboard; the clipboard is not opened.
    bool ClipHasFormat(std::uint32_t id);
    // Identifier of the registered format name; 0 when registering fails.
    std::uint32_t ClipRegister(std::u16string_view name);
    // Size of the format's block as the system reports it; nothing when the format is absent.
    std::optional<std::size_t> ClipDataSize(std::uint32_t id);
    // Saves the whole block into the file (replacing it). An absent format, or a failed write,
    // leaves no file. True when the file now holds the block.
    bool ClipSaveFile(std::uint32_t id, const std::filesystem::path& path);
    // True when the file exists, the format is present and the block starts with the file's bytes.
    bool ClipSameAsFile(std::uint32_t id, const std::filesystem::path& path);
    // Puts the file's bytes plus one 0 byte under the identifier, and the same bytes read as
    // UTF-16 text as Unicode text. Returns the file's size; 0 when nothing was put.
    std::size_t ClipLoadFile(std::uint32_t id, const std::filesystem::path& path);

    // Puts an empty block under the identifier; false when it could not.
    bool ClipPutEmpty(std::uint32_t id);

    // The whole blocks of the formats (none for an absent format), copied in one opening of
    // the clipboard, which is closed again before this returns. `quietly`: one attempt to open
    // and no message. Throws ClipboardUnavailable when the clipboard could not be opened.
    std::vector<std::optional<ClipBlock>> ClipReadAll(std::span<const std::uint32_t> ids, bool quietly);
    // In one opening: empties the clipboard, puts each block as ClipLoadFile puts a file (one 0
    // byte added, and its Unicode-text copy), then an empty block under each of `markers`. The
    // sizes put, without the 0 byte (0 where nothing was put, or for identifier 0).
    std::vector<std::size_t> ClipPutAll(std::vector<ClipPut> blocks, std::span<const std::uint32_t> markers);

private:
    bool Put(std::uint32_t id, std::span<const std::uint8_t> bytes);

    Clipboard& clipboard_;
    const Clock& clock_;
    UiServices& ui_;
    int open_count_ = 0;
    bool emptied_ = false;
};

// Keeps the clipboard open for its lifetime.
class ClipboardOpen {
public:
    explicit ClipboardOpen(Clipboards& clipboards) : clipboards_(clipboards) { clipboards_.Open(); }
    ~ClipboardOpen() { clipboards_.Close(); }
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;

private:
    Clipboards& clipboards_;
};

// The default "DataObject" contents (32 bytes) and "Ole Private Data" contents (64 bytes),
// used where a clip has none. Each writes its file whole or leaves none; true on success.
bool ClipDefaultFile0(const std::filesystem::path& path);
bool ClipDefaultFile2(const std::filesystem::path& path);

}  // namespace torvane
