#include <algorithm>

#include "convert/figure_import.h"

namespace torvane {

void CopyJwwFigure(const TJwwData& JWW, TJcfData& JCF) {
    CopyFigure(JWW, JCF);
    KeepEntities(JCF, [&JWW](const TEntJwwAttr& att) { return JWW.LayerShown(att); });
    PlaceBasePointAtLowerLeft(JCF);
}

bool JWWtoJCLF(const TJwwData& JWW, TJcfData& JCF, const std::filesystem::path& dst) {
    CopyJwwFigure(JWW, JCF);
    // A stream without entities would not read back: nothing is written.
    if (JCF.Enthd.n1 == 0) return false;
    JCF.SetFileOutOption(JWW.MojiEncode ? 32 : 0);
    // The oldest drawings carry a version below the oldest stream's.
    return JCF.FileOut(dst, std::max(JCF.Enthd.jwVer, 220));
}

}  // namespace torvane
