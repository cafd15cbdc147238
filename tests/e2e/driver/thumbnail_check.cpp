#include "thumbnail_check.h"

#include "util/bmp_file.h"

namespace torvane::test {

bool ThumbnailShowsAFigure(const std::filesystem::path& bmp) {
    const auto picture = LoadBmp(bmp);
    if (!picture || picture->width < 3 || picture->height < 3) return false;
    for (int y = 1; y + 1 < picture->height; ++y) {
        for (int x = 1; x + 1 < picture->width; ++x) {
            if (picture->at(x, y) != 0x00FFFFFF) return true;
        }
    }
    return false;
}

}  // namespace torvane::test
