#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace torvane {

// Little-endian writer appending to a byte string.
class ByteWriter {
public:
    void U8(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
    void U16(std::uint16_t v) { Fixed(v); }
    void U32(std::uint32_t v) { Fixed(v); }
    void S32(std::int32_t v) { Fixed(static_cast<std::uint32_t>(v)); }
    void Single(float v) { Fixed(std::bit_cast<std::uint32_t>(v)); }
    void Double(double v) { Fixed(std::bit_cast<std::uint64_t>(v)); }
    void Bytes(std::string_view data) { bytes_.append(data); }

    const std::string& bytes() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }
    std::size_t size() const { return bytes_.size(); }
    void Reserve(std::size_t n) { bytes_.reserve(n); }

private:
    template <typename T>
    void Fixed(T v) {
        char buffer[sizeof(T)];
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            buffer[i] = static_cast<char>(v & 0xFF);
            v = static_cast<T>(v >> 8);
        }
        bytes_.append(buffer, sizeof(T));
    }

    std::string bytes_;
};

}  // namespace torvane
