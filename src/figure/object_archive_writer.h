#pragma once
#include <cstdint>
#include <string>

#include "figure/jcf_data.h"

namespace torvane {

class ByteWriter;

// The version the archive is written in: Ver, with 230 and below as 230 and 300 as 351.
std::int32_t ArchiveVersion(std::int32_t Ver);

// The document's base point and the scales of layer groups 0 to 15 (0 for a missing group),
// as doubles: the start of a figure stream and a part of the JWS file header.
void WriteBasePointAndScales(const TJcfData& doc, ByteWriter& out);

// The object list and the reached block definitions, as the writer puts them out for version
// ArchiveVersion(Ver), appended to `out`.
void WriteObjectArchive(const TJcfData& doc, std::int32_t Ver, ByteWriter& out);

// The figure stream of a document as the writer puts it out for version `Ver`: attribute
// values, text sizes and strings normalised, blocks renumbered, unreached definitions left out.
std::string WriteObjectArchiveStream(const TJcfData& doc, std::int32_t Ver);

}  // namespace torvane
