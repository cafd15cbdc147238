#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace torvane::cli {

// Writes JSON to a stream while it is produced, never holding more than a small buffer, in the
// layout of nlohmann::json's dump with an indent of one space: "key": value, one member or
// element a line, empty objects and arrays as {} and []. Doubles take their shortest form that
// reads back the same ("1.0" for one), NaN and the infinities the strings "NaN", "Infinity" and
// "-Infinity"; strings are UTF-8 with the escapes of JSON.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}
    ~JsonWriter() { Flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The name of the next member of the open object.
    void Key(std::string_view name);

    void Int(std::int64_t value);
    void UInt(std::uint64_t value);
    void Bool(bool value);
    void Double(double value);
    void String(std::string_view utf8);
    void String(std::u16string_view text);

    // A member: Key(name) and the value.
    template <class Value>
    void Member(std::string_view name, const Value& value) {
        Key(name);
        Write(value);
    }

    // Writes out what is buffered.
    void Flush();

private:
    void Write(bool value) { Bool(value); }
    void Write(double value) { Double(value); }
    void Write(float value) { Double(value); }
    void Write(std::string_view value) { String(value); }
    void Write(const std::string& value) { String(std::string_view(value)); }
    void Write(const std::u16string& value) { String(std::u16string_view(value)); }
    void Write(const char* value) { String(std::string_view(value)); }
    template <class Integer>
    void Write(Integer value) {
        if constexpr (std::is_signed_v<Integer>)
            Int(value);
        else
            UInt(value);
    }

    // Starts a value: a separator and the indent inside an array, nothing after a key.
    void BeginValue();
    void AppendQuoted(std::string_view utf8);
    void Open(char bracket);
    void Close(char bracket);
    void NewLine(std::size_t depth);
    void FlushWhenFull();

    std::ostream& out_;
    std::string buffer_;
    std::vector<bool> empty_;  // per open container: nothing written in it yet
    bool after_key_ = false;
};

}  // namespace torvane::cli
