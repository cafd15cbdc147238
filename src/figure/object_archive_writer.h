#pragma once
#include <cstdint>
#include <string>

#include "figure/jcf_data.h"

namespace torvane {

// The figure stream of a document as the writer puts it out for version `Ver`: attribute
// values, text sizes and strings normalised, blocks renumbered, unreached definitions left out.
std::string WriteObjectArchiveStream(const TJcfData& doc, std::int32_t Ver);

}  // namespace torvane
