#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "figure/jcf_data.h"

namespace torvane {

// Reads the figure stream file src into `JCF` and gives that figure as a JWS figure file: the
// stream's own version, its strings in the encoding they came in, its base point, layer-group
// scales and extents. Nothing when the stream fails FileCheck or cannot be read
// whole.
std::optional<std::string> JCLFtoJWS(TJcfData& JCF, const std::filesystem::path& src);

}  // namespace torvane
