#include "browse/figure_files.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "util/files.h"
#include "util/numbers.h"
#include "util/strings.h"

namespace torvane {
namespace {

bool TypeAdmits(int fileType, std::u16string_view ext) {
    const bool jwk = ext == u".jwk";
    const bool jws = ext == u".jws";
    const bool jww = ext == u".jww";
    switch (fileType) {
        case FileTypeJwk: return jwk;
        case FileTypeJws: return jws;
        case FileTypeJww: return jww;
        case FileTypeAll: return jwk || jws || jww;
        default: return jwk || jws;
    }
}

}  // namespace

std::vector<TFigureFile> ListFigureFiles(const std::filesystem::path& folder, int fileType) {
    std::vector<TFigureFile> files;
    if (folder.empty()) return files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error) || !TypeAdmits(fileType, ExtOf(it->path()))) continue;
        TFigureFile file;
        file.Path = it->path();
        file.Name = NameOf(file.Path);
        if (file.Name.empty()) continue;
        FileDateSize(file.Path, file.Modified, file.Size);
        files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(),
              [](const TFigureFile& a, const TFigureFile& b) { return UpperStr(a.Name) < UpperStr(b.Name); });
    return files;
}

std::u16string DateTimeText(const LocalTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::vector<TFileListRow> FileListRows(const std::vector<TFigureFile>& files) {
    if (files.empty()) return {TFileListRow{}};
    std::vector<TFileListRow> rows;
    std::size_t widest = 0;
    for (const TFigureFile& file : files) {
        rows.push_back({file.Name, IntStr(static_cast<std::int64_t>(file.Size)), DateTimeText(file.Modified)});
        widest = std::max(widest, rows.back()[1].size());
    }
    for (TFileListRow& row : rows) row[1].insert(0, widest - row[1].size(), u' ');
    return rows;
}

}  // namespace torvane
