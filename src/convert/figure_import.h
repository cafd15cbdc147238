#pragma once
#include <filesystem>

#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jws_data.h"

namespace torvane {

// Rebuilds `JCF` as a copy of the JWS figure: header version, text encoding, base point,
// layer-group scales (1 for a scale that is not positive), every entity and block definition (a dimension's SXF parts only from
// version 420). The JWS header's own fields are not carried.
void CopyJwsFigure(const TJwsData& JWS, TJcfData& JCF);

// Rebuilds `JCF` from the JWK figure, entity by entity: lines, arcs, texts, then points, in
// millimetres, with the JWK text types of the DOS program. The version stays that of the last
// stream read (420 when none was).
void BuildJwkFigure(const TJwkData& JWK, TJcfData& JCF);

// Convert the figure already read into the source document and write `JCF` as the figure
// stream file dst. True when the file was written.
bool JWStoJCLF(const TJwsData& JWS, TJcfData& JCF, const std::filesystem::path& dst);
bool JWKtoJCLF(const TJwkData& JWK, TJcfData& JCF, const std::filesystem::path& dst);

}  // namespace torvane
