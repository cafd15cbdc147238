#include <algorithm>
#include <vector>

#include "convert/figure_import.h"

namespace torvane {
namespace {

// The first `count` records, never more than the array holds.
template <class Record>
std::vector<Record> ValidCopy(const std::vector<Record>& records, std::int32_t count) {
    const auto n = std::min(static_cast<std::size_t>(std::max(count, 0)), records.size());
    return std::vector<Record>(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(n));
}

// Before version 420 a figure carries no SXF parts of dimensions: they start as new parts.
void DropSxfParts(std::vector<TEntJwwSunpo>& dimensions) {
    for (TEntJwwSunpo& dim : dimensions) {
        dim.Ho1 = dim.Ho2 = TEntJwwLine{};
        dim.Te1 = dim.Te2 = dim.Kt1 = dim.Kt2 = TEntJwwTen{};
    }
}

}  // namespace

void CopyJwsFigure(const TJwsData& JWS, TJcfData& JCF) {
    JCF.DataInit();
    JCF.DataDefaultSet();
    const TEntJwsHeader& from = JWS.Enthd;
    JCF.Enthd.jwVer = from.jwVer;
    JCF.MojiEncode = JWS.MojiEncode;
    JCF.Enthd.BasePoint_x = from.BasePoint_x;
    JCF.Enthd.BasePoint_y = from.BasePoint_y;
    // A stream needs positive layer-group scales to pass its check; a group whose scale is 0,
    // negative or no number is drawn at scale 1, and is written so.
    for (std::size_t g = 0; g < JCF.EntLgrp.size() && g < JWS.EntLgrp.size(); ++g) {
        const double scale = JWS.EntLgrp[g].adScale;
        JCF.EntLgrp[g].adScale = scale > 0 ? scale : 1.0;
    }

    JCF.Enthd.n1 = std::clamp(from.n1, 0, static_cast<std::int32_t>(JWS.EntNo.size()));
    JCF.EntNo = ValidCopy(JWS.EntNo, JCF.Enthd.n1);
    JCF.EntLine = ValidCopy(JWS.EntLine, JWS.EntLineN);
    JCF.EntEnko = ValidCopy(JWS.EntEnko, JWS.EntEnkoN);
    JCF.EntTen = ValidCopy(JWS.EntTen, JWS.EntTenN);
    JCF.EntMoji = ValidCopy(JWS.EntMoji, JWS.EntMojiN);
    JCF.EntSunpo = ValidCopy(JWS.EntSunpo, JWS.EntSunpoN);
    JCF.EntSolid = ValidCopy(JWS.EntSolid, JWS.EntSolidN);
    JCF.EntBlock = ValidCopy(JWS.EntBlock, JWS.EntBlockN);
    JCF.EntBlockDef = ValidCopy(JWS.EntBlockDef, JWS.EntBlockDefN);
    JCF.CountEntities();
    JCF.Enthd.n2 = JCF.EntBlockDefN;

    if (from.jwVer < 420) {
        DropSxfParts(JCF.EntSunpo);
        for (TEntJwwBlockDef& def : JCF.EntBlockDef) {
            if (def.HasMembers()) DropSxfParts(def.EditMembers().mSunpo);
        }
    }
    JCF.MakeBlockTree();
}

bool JWStoJCLF(const TJwsData& JWS, TJcfData& JCF, const std::filesystem::path& dst) {
    CopyJwsFigure(JWS, JCF);
    JCF.SetFileOutOption(JWS.MojiEncode ? 32 : 0);
    return JCF.FileOut(dst, JCF.Enthd.jwVer);
}

}  // namespace torvane
