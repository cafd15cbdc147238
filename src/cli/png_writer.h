#pragma once
#include <filesystem>

#include "platform/bitmap.h"

namespace torvane {

// Writes an 8-bit RGB PNG; never leaves a partial file. False on failure.
bool SavePng(const Bitmap& bitmap, const std::filesystem::path& path);

}  // namespace torvane
