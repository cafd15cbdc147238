#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace torvane {

// Little-endian reader over a byte span. A read past the end sets a sticky failure:
// that read and every later one return zero and the position stays where it was.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}
    explicit ByteReader(std::string_view data)
        : data_(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()) {}

    bool ok() const { return ok_; }
    void Fail() { ok_ = false; }
    std::size_t position() const { return pos_; }
    std::size_t size() const { return data_.size(); }
    std::size_t remaining() const { return data_.size() - pos_; }
    // True when `count` items of at least `unit_size` bytes each could still follow.
    bool CanHold(std::uint64_t count, std::size_t unit_size) const {
        return unit_size == 0 || count <= remaining() / unit_size;
    }

    std::uint8_t U8() { return Fixed<std::uint8_t>(); }
    std::uint16_t U16() { return Fixed<std::uint16_t>(); }
    std::uint32_t U32() { return Fixed<std::uint32_t>(); }
    std::int32_t S32() { return static_cast<std::int32_t>(Fixed<std::uint32_t>()); }
    float Single() { return std::bit_cast<float>(Fixed<std::uint32_t>()); }
    double Double() { return std::bit_cast<double>(Fixed<std::uint64_t>()); }

    // The next n bytes; an empty span and the failure when fewer remain.
    std::span<const std::uint8_t> Bytes(std::size_t n) {
        if (!Take(n)) return {};
        return data_.subspan(pos_ - n, n);
    }
    bool Skip(std::size_t n) { return Take(n); }
    // Moves to an absolute position; a position past the end fails.
    bool Seek(std::size_t pos) {
        if (!ok_ || pos > data_.size()) return ok_ = false;
        pos_ = pos;
        return true;
    }

private:
    bool Take(std::size_t n) {
        if (!ok_ || n > remaining()) return ok_ = false;
        pos_ += n;
        return true;
    }

    template <typename T>
    T Fixed() {
        if (!Take(sizeof(T))) return T{};
        T value;
        std::memcpy(&value, data_.data() + pos_ - sizeof(T), sizeof(T));
        if constexpr (std::endian::native == std::endian::big) value = Reverse(value);
        return value;
    }

    template <typename T>
    static T Reverse(T value) {
        T out = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            out = static_cast<T>((out << 8) | (value & 0xFF));
            value = static_cast<T>(value >> 8);
        }
        return out;
    }

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace torvane
