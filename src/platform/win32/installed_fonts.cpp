#include <windows.h>

#include "platform/win32/installed_fonts.h"

#include <algorithm>
#include <map>

namespace torvane {
namespace {

bool Enumerated(std::wstring_view face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), wanted.lfFaceName);
    HDC screen = GetDC(nullptr);
    bool found = false;
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM context) -> int {
            *reinterpret_cast<bool*>(context) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

bool Substituted(std::wstring_view face) {
    const std::wstring name(face);
    return RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
                        name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::wstring MessageFontFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return L"";
    return metrics.lfMessageFont.lfFaceName;
}

}  // namespace

bool FontInstalled(std::wstring_view face) { return !face.empty() && (Enumerated(face) || Substituted(face)); }

std::wstring UsableFace(std::wstring_view face) {
    static std::map<std::wstring, std::wstring, std::less<>> chosen;
    if (const auto known = chosen.find(face); known != chosen.end()) return known->second;
    std::wstring usable;
    for (const std::wstring_view candidate : {face, std::wstring_view(L"MS UI Gothic"), std::wstring_view(L"Meiryo UI"),
                                              std::wstring_view(L"Yu Gothic UI")}) {
        if (FontInstalled(candidate)) {
            usable = candidate;
            break;
        }
    }
    if (usable.empty()) usable = MessageFontFace();
    chosen.emplace(face, usable);
    return usable;
}

}  // namespace torvane
