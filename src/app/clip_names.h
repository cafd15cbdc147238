#pragma once
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace torvane {

// The files of a clip: the three clipboard formats and the thumbnail.
inline constexpr std::array<const char*, 4> ClipExtensions{".0", ".1", ".2", ".bmp"};

// "yyyymmdd_hhnnss" of a local time.
std::u16string ClipNameOfTime(const LocalTime& time);

// The time one second later, carried through minutes, hours, days, months and years.
LocalTime NextSecond(LocalTime time);

// True for a name that can only address files directly inside a page folder:
// not empty, no path separators, drive colons or characters Windows forbids in names,
// no "..", no control characters, and no leading or trailing space or trailing dot.
bool IsPlainClipName(std::u16string_view name);

// The file `name` + `extension` in `folder`.
std::filesystem::path ClipFile(const std::filesystem::path& folder, std::u16string_view name,
                               const char* extension);

// True when `folder` holds any of the four files of `name`.
bool ClipFilesExist(const std::filesystem::path& folder, std::u16string_view name);

// Deletes the four files of `name` in `folder`, each only if it exists; errors are ignored.
// An empty or not plain name deletes nothing.
void DeleteClipFiles(const std::filesystem::path& folder, std::u16string_view name);

}  // namespace torvane
