#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace torvane {

// The lines of a settings file's bytes, ended by CR LF, LF or CR. Past the last line every
// line reads as empty, as the settings file's reader expects of a file that ends early.
class SettingsLineReader {
public:
    explicit SettingsLineReader(std::string_view bytes) : bytes_(bytes) {}
    // The next line without its line end; empty past the end.
    std::string_view Next();
    // True when every line has been read.
    bool AtEnd() const { return next_ >= bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t next_ = 0;
};

// Collects lines and ends each with CR LF.
class SettingsLineWriter {
public:
    void Add(std::string_view line);
    void Add(int value);
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

}  // namespace torvane
