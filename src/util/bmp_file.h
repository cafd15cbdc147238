#pragma once
#include <filesystem>
#include <optional>

#include "platform/bitmap.h"

namespace torvane {

// Writes a 24-bit Windows bitmap; never leaves a partial file. False on failure.
bool SaveBmp(const Bitmap& bitmap, const std::filesystem::path& path);
// Reads a 24- or 32-bit uncompressed Windows bitmap; nothing when the file is not one.
std::optional<Bitmap> LoadBmp(const std::filesystem::path& path);

}  // namespace torvane
