#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The system clipboard, one call per system operation. Data blocks are byte arrays of the
// size the system reports (which may exceed what their owner wrote).
class Clipboard {
public:
    // The standard format of UTF-16 text ending in a zero code unit.
    static constexpr std::uint32_t kUnicodeText = 13;

    virtual ~Clipboard() = default;
    // Identifier of a registered format name; 0 when registering fails.
    virtual std::uint32_t RegisterFormat(std::u16string_view name) = 0;
    // Number of formats now on the clipboard (the clipboard need not be open).
    virtual int FormatCount() = 0;
    // A number that changes whenever the clipboard's contents change (it need not be open).
    virtual std::uint32_t SequenceNumber() = 0;
    // True when the format is on the clipboard (it need not be open).
    virtual bool IsFormatAvailable(std::uint32_t format) = 0;
    // One attempt to open; on failure the system's reason is stored in `reason`.
    virtual bool Open(std::u16string& reason) = 0;
    virtual void Close() = 0;
    // With the clipboard open: removes every format and takes ownership.
    virtual bool Empty() = 0;
    // With the clipboard open: the size of the format's block; nothing when it is absent.
    virtual std::optional<std::size_t> DataSize(std::uint32_t format) = 0;
    // With the clipboard open: the whole block of the format; nothing when it is absent.
    virtual std::optional<std::vector<std::uint8_t>> GetData(std::uint32_t format) = 0;
    // With the clipboard open: calls `visit` once with the format's whole block in place,
    // without copying it (locked for the call). False when the format is absent.
    virtual bool ViewData(std::uint32_t format, const std::function<void(std::span<const std::uint8_t>)>& visit) = 0;
    // With the clipboard open: puts a new block holding exactly these bytes.
    virtual bool SetData(std::uint32_t format, std::span<const std::uint8_t> bytes) = 0;
};

// The back end's clipboard: the system clipboard on Windows, a process-wide in-memory one elsewhere.
Clipboard& SystemClipboard();

}  // namespace torvane
