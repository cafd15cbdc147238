#include "palette_view.h"

#include <algorithm>

#include "app/palette_layout.h"

namespace torvane::test {
namespace fs = std::filesystem;
namespace {

POINT Center(POINT origin, const TRect& r) { return {origin.x + r.Left + r.Width / 2, origin.y + r.Top + r.Height / 2}; }

bool MenuIsOpen() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu);
}

}  // namespace

POINT PaletteView::ClientOrigin() const {
    POINT origin{0, 0};
    ClientToScreen(palette_, &origin);
    return origin;
}

SIZE PaletteView::ClientSize() const {
    RECT client{};
    GetClientRect(palette_, &client);
    return {client.right, client.bottom};
}

POINT PaletteView::ClipButtonCenter(int n) const {
    const SIZE size = ClientSize();
    const TPaletteLayout layout = LayoutPalette(size.cx, size.cy, settings_.Number(SettingsFile::kSwSize));
    const TRect button = ClipButtonRect(n, settings_.Number(SettingsFile::kBtnXn), settings_.Number(SettingsFile::kBtnWi),
                                        settings_.Number(SettingsFile::kBtnHe), 0, 0);
    const POINT origin = ClientOrigin();
    return Center({origin.x + layout.ClipField.Left, origin.y + layout.ClipField.Top}, button);
}

RECT PaletteView::CommandButtonRect(int index) const {
    const SIZE size = ClientSize();
    const TRect r = LayoutPalette(size.cx, size.cy, settings_.Number(SettingsFile::kSwSize)).Buttons[static_cast<std::size_t>(index)];
    return {r.Left, r.Top, r.Left + r.Width, r.Top + r.Height};
}

POINT PaletteView::CommandButtonCenter(int index) const {
    const RECT r = CommandButtonRect(index);
    const POINT origin = ClientOrigin();
    return {origin.x + (r.left + r.right) / 2, origin.y + (r.top + r.bottom) / 2};
}

std::vector<std::uint32_t> PaletteView::ClipPicturePixels(int n) const {
    const int w = settings_.Number(SettingsFile::kBtnWi) - 2 * ClipBevel;
    const int h = settings_.Number(SettingsFile::kBtnHe) - 2 * ClipBevel;
    const POINT center = ClipButtonCenter(n);
    HDC screen = GetDC(nullptr);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) pixels.push_back(GetPixel(screen, center.x - w / 2 + x, center.y - h / 2 + y));
    }
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool PaletteView::ChooseFromMenu(POINT at, const std::string& keys, int open_ms) const {
    MouseButton(at, MOUSEEVENTF_RIGHTDOWN);
    const bool opened = WaitFor(MenuIsOpen, open_ms);
    MouseButton(at, MOUSEEVENTF_RIGHTUP);
    if (!opened) return false;
    // The menu (and a submenu) takes the keyboard only once it has been drawn.
    for (char key : keys) {
        Sleep(150);
        PressKey(static_cast<WORD>(key));
    }
    return WaitFor([] { return !MenuIsOpen(); }, 5000);
}

std::vector<std::string> ClipNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (entry.path().extension() == ".1" && entry.path().stem() != "prev") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool HasClipFiles(const fs::path& folder, const std::string& name) {
    for (const char* ext : {".0", ".1", ".2", ".bmp"}) {
        if (!fs::exists(folder / (name + ext))) return false;
    }
    return true;
}

bool HasNoClipFiles(const fs::path& folder, const std::string& name) {
    for (const char* ext : {".0", ".1", ".2", ".bmp"}) {
        if (fs::exists(folder / (name + ext))) return false;
    }
    return true;
}

}  // namespace torvane::test
