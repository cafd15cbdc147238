#pragma once
#include <string>
#include <string_view>

namespace torvane {

// Windows' wchar_t is a UTF-16 code unit: these copy the code units unchanged.
std::wstring WideText(std::u16string_view text);
std::u16string Utf16Text(std::wstring_view text);

}  // namespace torvane
