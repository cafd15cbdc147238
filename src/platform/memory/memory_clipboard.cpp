#include "platform/memory/memory_clipboard.h"

#include <algorithm>

namespace torvane {

std::uint32_t MemoryClipboard::RegisterFormat(std::u16string_view name) {
    if (name.empty() || name.size() > kMaxNameLength) return 0;
    if (auto it = names_.find(name); it != names_.end()) return it->second;
    const auto id = static_cast<std::uint32_t>(0xC000 + names_.size());
    names_.emplace(std::u16string(name), id);
    return id;
}

int MemoryClipboard::FormatCount() { return static_cast<int>(formats_.size()); }

bool MemoryClipboard::IsFormatAvailable(std::uint32_t format) {
    return std::any_of(formats_.begin(), formats_.end(), [format](const auto& f) { return f.first == format; });
}

bool MemoryClipboard::Open(std::u16string& reason) {
    ++open_attempts_;
    if (held_elsewhere_ || open_) {
        reason = u"アクセスが拒否されました。";
        return false;
    }
    open_ = true;
    return true;
}

void MemoryClipboard::Close() { open_ = false; }

bool MemoryClipboard::Empty() {
    if (!open_) return false;
    formats_.clear();
    ++sequence_;
    return true;
}

MemoryClipboard::Formats::const_iterator MemoryClipboard::Find(std::uint32_t format) const {
    if (!open_) return formats_.end();
    return std::find_if(formats_.begin(), formats_.end(), [format](const auto& f) { return f.first == format; });
}

std::optional<std::size_t> MemoryClipboard::DataSize(std::uint32_t format) {
    const auto it = Find(format);
    if (it == formats_.end()) return std::nullopt;
    return it->second.size();
}

std::optional<std::vector<std::uint8_t>> MemoryClipboard::GetData(std::uint32_t format) {
    const auto it = Find(format);
    if (it == formats_.end()) return std::nullopt;
    ++copies_;
    return it->second;
}

bool MemoryClipboard::ViewData(std::uint32_t format,
                               const std::function<void(std::span<const std::uint8_t>)>& visit) {
    const auto it = Find(format);
    if (it == formats_.end()) return false;
    visit(it->second);
    return true;
}

bool MemoryClipboard::SetData(std::uint32_t format, std::span<const std::uint8_t> bytes) {
    if (!open_ || format == 0) return false;
    std::vector<std::uint8_t> block(bytes.begin(), bytes.end());
    auto it = std::find_if(formats_.begin(), formats_.end(), [format](const auto& f) { return f.first == format; });
    if (it != formats_.end()) {
        it->second = std::move(block);
    } else {
        formats_.emplace_back(format, std::move(block));
    }
    ++sequence_;
    return true;
}

}  // namespace torvane
