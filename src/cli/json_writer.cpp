#include "cli/json_writer.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>
#include <cmath>

#include "util/encodings.h"

namespace torvane::cli {
namespace {

constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

void JsonWriter::Key(std::string_view name) {
    BeginValue();
    AppendQuoted(name);
    buffer_ += ": ";
    after_key_ = true;
}

void JsonWriter::Int(std::int64_t value) {
    BeginValue();
    std::array<char, 24> digits;
    buffer_.append(digits.data(), std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr);
    FlushWhenFull();
}

void JsonWriter::UInt(std::uint64_t value) {
    BeginValue();
    std::array<char, 24> digits;
    buffer_.append(digits.data(), std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr);
    FlushWhenFull();
}

void JsonWriter::Bool(bool value) {
    BeginValue();
    buffer_ += value ? "true" : "false";
}

void JsonWriter::Double(double value) {
    if (std::isnan(value)) return String(std::string_view("NaN"));
    if (std::isinf(value)) return String(std::string_view(value > 0 ? "Infinity" : "-Infinity"));
    BeginValue();
    std::array<char, 64> digits;
    buffer_.append(digits.data(), nlohmann::detail::to_chars(digits.data(), digits.data() + digits.size(), value));
    FlushWhenFull();
}

void JsonWriter::String(std::string_view utf8) {
    BeginValue();
    AppendQuoted(utf8);
    FlushWhenFull();
}

void JsonWriter::AppendQuoted(std::string_view utf8) {
    buffer_ += '"';
    for (const char c : utf8) {
        switch (c) {
            case '"': buffer_ += "\\\""; break;
            case '\\': buffer_ += "\\\\"; break;
            case '\b': buffer_ += "\\b"; break;
            case '\f': buffer_ += "\\f"; break;
            case '\n': buffer_ += "\\n"; break;
            case '\r': buffer_ += "\\r"; break;
            case '\t': buffer_ += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    static constexpr char kHex[] = "0123456789abcdef";
                    buffer_ += "\\u00";
                    buffer_ += kHex[(c >> 4) & 0xF];
                    buffer_ += kHex[c & 0xF];
                } else {
                    buffer_ += c;
                }
        }
    }
    buffer_ += '"';
}

void JsonWriter::String(std::u16string_view text) { String(std::string_view(StrToUtf8(text))); }

void JsonWriter::Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

void JsonWriter::BeginValue() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (empty_.empty()) return;
    if (!empty_.back()) buffer_ += ',';
    empty_.back() = false;
    NewLine(empty_.size());
}

void JsonWriter::Open(char bracket) {
    BeginValue();
    buffer_ += bracket;
    empty_.push_back(true);
}

void JsonWriter::Close(char bracket) {
    const bool empty = empty_.back();
    empty_.pop_back();
    if (!empty) NewLine(empty_.size());
    buffer_ += bracket;
    FlushWhenFull();
}

void JsonWriter::NewLine(std::size_t depth) {
    buffer_ += '\n';
    buffer_.append(depth, ' ');
}

void JsonWriter::FlushWhenFull() {
    if (buffer_.size() >= kFlushSize) Flush();
}

}  // namespace torvane::cli
