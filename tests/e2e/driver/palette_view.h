#pragma once
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "torvane_process.h"

namespace torvane::test {

// What a test sees of a running palette from outside: where its parts are on the screen
// (from the palette's layout), its clips on disk, its pixels.
class PaletteView {
public:
    PaletteView(HWND palette, const SettingsFile& settings) : palette_(palette), settings_(settings) {}

    // Screen position of the middle of clip button n (scrolled to the top).
    POINT ClipButtonCenter(int n) const;
    // Screen position of the middle of command button `index` ("▽" 0 … "×" 8).
    POINT CommandButtonCenter(int index) const;
    // The rectangle of a command button as laid out for the palette's size now, in its client area.
    RECT CommandButtonRect(int index) const;
    // Pixels of clip button n's picture as the screen shows them.
    std::vector<std::uint32_t> ClipPicturePixels(int n) const;
    // Pixels where the page label stands ("P0" ...), which changes once a page switch is done.
    std::vector<std::uint32_t> PageLabelPixels() const;
    // True when the monitor indicator shows a circle (the monitor runs), false for a square.
    bool MonitorShownRunning() const;

    // Right-clicks at `at`, waits until the palette's thread is in the popup menu and chooses
    // the items of `keys` (their mnemonics, one per menu level; each submenu awaited); true
    // when the menu opened and closed again.
    bool ChooseFromMenu(POINT at, const std::string& keys) const;

private:
    POINT ClientOrigin() const;
    SIZE ClientSize() const;

    HWND palette_;
    const SettingsFile& settings_;
};

// Names of the clips of a folder (files "<name>.1"), sorted.
std::vector<std::string> ClipNames(const std::filesystem::path& folder);
// True when all four files of the clip exist.
bool HasClipFiles(const std::filesystem::path& folder, const std::string& name);
// True when none of them does.
bool HasNoClipFiles(const std::filesystem::path& folder, const std::string& name);

}  // namespace torvane::test
