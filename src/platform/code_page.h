#pragma once
#include <string>
#include <string_view>

namespace torvane {

// Conversion between a code page and UTF-16.
class CodePage {
public:
    virtual ~CodePage() = default;
    // Text of the code page's bytes; bytes that do not decode become U+FFFD.
    virtual std::u16string Decode(std::string_view bytes) const = 0;
    // The code page's bytes of the text; characters the code page lacks become '?'.
    virtual std::string Encode(std::u16string_view text) const = 0;
};

// Shift-JIS (code page 932) on every machine, whatever its locale: the encoding of Jw_cad's
// figure texts.
const CodePage& ShiftJisCodePage();

// The system's ANSI code page (the settings file): the machine's own on Windows (CP932 on a
// Japanese Windows), CP932 elsewhere.
const CodePage& SystemCodePage();

}  // namespace torvane
