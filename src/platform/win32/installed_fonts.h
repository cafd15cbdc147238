#pragma once
#include <string>
#include <string_view>

namespace torvane {

// True when a font family of that name is installed, or Windows maps the name to one
// (FontSubstitutes), as GDI does when a font of that name is made.
bool FontInstalled(std::wstring_view face);

// The face to make a window's font with: `face` itself when installed, else the first installed
// of "MS UI Gothic", "Meiryo UI" and "Yu Gothic UI" (each holds Japanese and Latin glyphs), else
// the system's message font. Asked once per face.
std::wstring UsableFace(std::wstring_view face);

}  // namespace torvane
