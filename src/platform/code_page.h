#pragma once
#include <string>
#include <string_view>

namespace torvane {

// Conversion between the system's ANSI code page (CP932 on Japanese Windows) and UTF-16.
class CodePage {
public:
    virtual ~CodePage() = default;
    // Text of ANSI bytes; bytes that do not decode become U+FFFD.
    virtual std::u16string Decode(std::string_view ansi) const = 0;
    // ANSI bytes of the text; characters the code page lacks become '?'.
    virtual std::string Encode(std::u16string_view text) const = 0;
};

// The back end's code page: the system ANSI code page on Windows, CP932 elsewhere.
const CodePage& SystemCodePage();

}  // namespace torvane
