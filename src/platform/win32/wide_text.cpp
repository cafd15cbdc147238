#include "platform/win32/wide_text.h"

namespace torvane {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t is a UTF-16 code unit on Windows");

std::wstring WideText(std::u16string_view text) { return {text.begin(), text.end()}; }

std::u16string Utf16Text(std::wstring_view text) { return {text.begin(), text.end()}; }

}  // namespace torvane
