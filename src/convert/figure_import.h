#pragma once
#include <filesystem>

#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jws_data.h"
#include "figure/jww_data.h"

namespace torvane {

// Rebuilds `JCF` as a copy of the figure `Src` (a JWS file or a drawing): header version, text
// encoding, base point, layer-group scales (1 for a scale that is not positive), every entity and
// block definition (a dimension's SXF parts only from version 420).
void CopyFigure(const TJwwFigureData& Src, TJcfData& JCF);

// CopyFigure of a JWS figure; the JWS header's own fields are not carried.
void CopyJwsFigure(const TJwsData& JWS, TJcfData& JCF);

// Rebuilds `JCF` from the JWK figure, entity by entity: lines, arcs, texts, then points, in
// millimetres, with the JWK text types of the DOS program. The version stays that of the last
// stream read (420 when none was).
void BuildJwkFigure(const TJwkData& JWK, TJcfData& JCF);

// Convert the figure already read into the source document and write `JCF` as the figure
// stream file dst. True when the file was written.
bool JWStoJCLF(const TJwsData& JWS, TJcfData& JCF, const std::filesystem::path& dst);
bool JWKtoJCLF(const TJwkData& JWK, TJcfData& JCF, const std::filesystem::path& dst);

// Rebuilds `JCF` from the drawing as Jw_cad shows it: the entities on shown layers of shown
// layer groups, the drawing's layer-group scales, and as base point the lower left corner of
// those entities' extents (a drawing has none of its own). The block definitions are all
// copied; the writer writes those the remaining placements reach. JWWtoJCLF writes nothing and
// gives false when no entity is shown.
void CopyJwwFigure(const TJwwData& JWW, TJcfData& JCF);
bool JWWtoJCLF(const TJwwData& JWW, TJcfData& JCF, const std::filesystem::path& dst);

}  // namespace torvane
