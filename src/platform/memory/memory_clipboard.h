#pragma once
#include <map>
#include <utility>

#include "platform/clipboard.h"

namespace torvane {

// A clipboard held in memory: formats in the order they were put, registered names from 0xC000.
// Another program holding it open can be simulated with HoldElsewhere.
class MemoryClipboard final : public Clipboard {
public:
    std::uint32_t RegisterFormat(std::u16string_view name) override;
    int FormatCount() override;
    std::uint32_t SequenceNumber() override { return sequence_; }
    bool IsFormatAvailable(std::uint32_t format) override;
    bool Open(std::u16string& reason) override;
    void Close() override;
    bool Empty() override;
    std::optional<std::size_t> DataSize(std::uint32_t format) override;
    std::optional<std::vector<std::uint8_t>> GetData(std::uint32_t format) override;
    bool ViewData(std::uint32_t format, const std::function<void(std::span<const std::uint8_t>)>& visit) override;
    bool SetData(std::uint32_t format, std::span<const std::uint8_t> bytes) override;

    // While held elsewhere, every Open fails with this reason.
    void HoldElsewhere(bool held) { held_elsewhere_ = held; }
    bool IsOpen() const { return open_; }
    int OpenAttempts() const { return open_attempts_; }
    // Blocks copied out by GetData so far.
    int Copies() const { return copies_; }
    // Test hook: names longer than this cannot be registered.
    static constexpr std::size_t kMaxNameLength = 255;

private:
    std::map<std::u16string, std::uint32_t, std::less<>> names_;
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> formats_;
    bool open_ = false;
    bool held_elsewhere_ = false;
    int open_attempts_ = 0;
    int copies_ = 0;
    std::uint32_t sequence_ = 1;
    using Formats = std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>>;
    Formats::const_iterator Find(std::uint32_t format) const;
};

}  // namespace torvane
