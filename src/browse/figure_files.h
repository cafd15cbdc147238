#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace torvane {

// A figure file of a folder as the file lists show it.
struct TFigureFile {
    std::filesystem::path Path;
    std::u16string Name;          // file name without folder
    std::uintmax_t Size = 0;      // 0 when it cannot be read
    LocalTime Modified;           // the zero date when it cannot be read
};

// The file type choice: 0 "*.jwk", 1 "*.jws", 2 both, 3 "*.jww", 4 all three.
inline constexpr int FileTypeJwk = 0;
inline constexpr int FileTypeJws = 1;
inline constexpr int FileTypeBoth = 2;
inline constexpr int FileTypeJww = 3;
inline constexpr int FileTypeAll = 4;

// The files of `folder` whose lower-cased extension the type choice admits, ordered by name as
// Windows lists them (upper-cased character codes). Empty when the folder cannot be read.
std::vector<TFigureFile> ListFigureFiles(const std::filesystem::path& folder, int fileType);

// "yyyy/mm/dd hh:nn:ss".
std::u16string DateTimeText(const LocalTime& t);

// One row of the file list: name, size right-aligned by left padding, modification time.
using TFileListRow = std::array<std::u16string, 3>;

// The list's rows: sizes padded with spaces to the longest size text; one empty row when
// there are no files.
std::vector<TFileListRow> FileListRows(const std::vector<TFigureFile>& files);

}  // namespace torvane
