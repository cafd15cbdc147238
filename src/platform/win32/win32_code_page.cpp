#include <windows.h>

#include "platform/code_page.h"

namespace torvane {
namespace {

class AnsiCodePage final : public CodePage {
public:
    std::u16string Decode(std::string_view ansi) const override {
        if (ansi.empty()) return {};
        const int size = static_cast<int>(ansi.size());
        const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
        std::u16string out(static_cast<std::size_t>(n > 0 ? n : 0), u'\0');
        if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, reinterpret_cast<wchar_t*>(out.data()), n);
        return out;
    }
    std::string Encode(std::u16string_view text) const override {
        if (text.empty()) return {};
        const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
        const int size = static_cast<int>(text.size());
        const int n = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr);
        std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
        if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide, size, out.data(), n, nullptr, nullptr);
        return out;
    }
};

}  // namespace

const CodePage& SystemCodePage() {
    static const AnsiCodePage code_page;
    return code_page;
}

}  // namespace torvane
