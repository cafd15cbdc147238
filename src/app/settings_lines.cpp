#include "app/settings_lines.h"

namespace torvane {

std::string_view SettingsLineReader::Next() {
    if (AtEnd()) return {};
    const std::size_t start = next_;
    std::size_t end = bytes_.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes_.size();
    next_ = end;
    if (next_ < bytes_.size()) next_ += bytes_[end] == '\r' && end + 1 < bytes_.size() && bytes_[end + 1] == '\n' ? 2 : 1;
    return bytes_.substr(start, end - start);
}

void SettingsLineWriter::Add(std::string_view line) {
    bytes_ += line;
    bytes_ += "\r\n";
}

void SettingsLineWriter::Add(int value) { Add(std::to_string(value)); }

}  // namespace torvane
