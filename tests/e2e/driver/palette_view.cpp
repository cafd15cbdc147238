#include "palette_view.h"

#include <algorithm>

#include "app/palette_layout.h"

namespace torvane::test {
namespace fs = std::filesystem;
namespace {

POINT Center(POINT origin, const TRect& r) { return {origin.x + r.Left + r.Width / 2, origin.y + r.Top + r.Height / 2}; }

// Visible popup menus of the process of `window`.
int OpenMenus(HWND window) {
    struct Count {
        DWORD process = 0;
        int menus = 0;
    } count;
    GetWindowThreadProcessId(window, &count.process);
    EnumWindows(
        [](HWND candidate, LPARAM context) -> BOOL {
            auto& c = *reinterpret_cast<Count*>(context);
            DWORD process = 0;
            GetWindowThreadProcessId(candidate, &process);
            wchar_t name[16]{};
            GetClassNameW(candidate, name, 16);
            if (process == c.process && IsWindowVisible(candidate) && std::wstring(name) == L"#32768") ++c.menus;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.menus;
}

bool InMenuMode(HWND window) { return (GuiThreadFlags(window) & GUI_INMENUMODE) != 0; }

std::vector<std::uint32_t> ScreenPixels(POINT origin, int width, int height) {
    HDC screen = GetDC(nullptr);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(screen, origin.x + x, origin.y + y));
    }
    ReleaseDC(nullptr, screen);
    return pixels;
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
    return ScreenPixels({center.x - w / 2, center.y - h / 2}, w, h);
}

std::vector<std::uint32_t> PaletteView::PageLabelPixels() const {
    const SIZE size = ClientSize();
    const TRect label = LayoutPalette(size.cx, size.cy, settings_.Number(SettingsFile::kSwSize)).PageLabel;
    const POINT origin = ClientOrigin();
    return ScreenPixels({origin.x + label.Left, origin.y + label.Top}, 16, 12);
}

bool PaletteView::MonitorShownRunning() const {
    const SIZE size = ClientSize();
    const TRect r = LayoutPalette(size.cx, size.cy, settings_.Number(SettingsFile::kSwSize)).Indicator;
    const auto pixels = ScreenPixels(ClientOrigin(), r.Left + r.Width, r.Top + r.Height);
    auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * (r.Left + r.Width) + x)]; };
    // A square fills its corner with the indicator's colour, a circle leaves it.
    return at(r.Left, r.Top) != at(r.Left + r.Width / 2, r.Top + r.Height / 2);
}

bool PaletteView::ChooseFromMenu(POINT at, const std::string& keys) const {
    MouseButton(at, MOUSEEVENTF_RIGHTDOWN);
    const bool opened = WaitFor([&] { return OpenMenus(palette_) == 1 && InMenuMode(palette_); });
    MouseButton(at, MOUSEEVENTF_RIGHTUP);
    // Keys go to the foreground window's thread: the palette's, which the menu brings to the front.
    if (!opened || !WaitFor([&] { return GetWindowThreadProcessId(GetForegroundWindow(), nullptr) ==
                                          GetWindowThreadProcessId(palette_, nullptr); })) {
        return false;
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        PressKey(static_cast<WORD>(keys[i]));
        const int submenus = static_cast<int>(i) + 2;
        if (i + 1 < keys.size() && !WaitFor([&] { return OpenMenus(palette_) == submenus; })) return false;
    }
    return WaitFor([&] { return OpenMenus(palette_) == 0 && !InMenuMode(palette_); });
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
