#pragma once
#include <filesystem>

namespace torvane::test {

// A thumbnail file holds more than the white ground and its one-pixel frame.
bool ThumbnailShowsAFigure(const std::filesystem::path& bmp);

}  // namespace torvane::test
