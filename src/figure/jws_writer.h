#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "figure/jcf_data.h"

namespace torvane {

// A figure stream's document as a JWS figure file: "JwsData", the version ArchiveVersion(Ver)
// at offset 200, the base point, the scales of layer groups 0 to 15, zero reserved values, the
// extents Mx1 … My2 of the header (the figure's, once read), then the object archive exactly as
// the stream writer puts it out, strings in the encoding FileOutOpt chooses.
std::string WriteJwsBytes(const TJcfData& doc, std::int32_t Ver);

// The same into the file FName, which is replaced only by a complete file; false when it could
// not be written (FName then stays as it was).
bool JwsFileOut(const TJcfData& doc, const std::filesystem::path& FName, std::int32_t Ver);

}  // namespace torvane
