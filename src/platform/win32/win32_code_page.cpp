#include <windows.h>

#include "platform/code_page.h"

namespace torvane {
namespace {

class Win32CodePage final : public CodePage {
public:
    explicit Win32CodePage(UINT page) : page_(page) {}

    std::u16string Decode(std::string_view bytes) const override {
        if (bytes.empty()) return {};
        const int size = static_cast<int>(bytes.size());
        const int n = MultiByteToWideChar(page_, 0, bytes.data(), size, nullptr, 0);
        std::u16string out(static_cast<std::size_t>(n > 0 ? n : 0), u'\0');
        if (n > 0) MultiByteToWideChar(page_, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(out.data()), n);
        return out;
    }
    std::string Encode(std::u16string_view text) const override {
        if (text.empty()) return {};
        const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
        const int size = static_cast<int>(text.size());
        const int n = WideCharToMultiByte(page_, 0, wide, size, nullptr, 0, nullptr, nullptr);
        std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
        if (n > 0) WideCharToMultiByte(page_, 0, wide, size, out.data(), n, nullptr, nullptr);
        return out;
    }

private:
    UINT page_;
};

}  // namespace

const CodePage& ShiftJisCodePage() {
    static const Win32CodePage code_page(932);
    return code_page;
}

const CodePage& SystemCodePage() {
    static const Win32CodePage code_page(CP_ACP);
    return code_page;
}

}  // namespace torvane
