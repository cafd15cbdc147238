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

void CopyFigure(const TJwwFigureData& Src, TJcfData& JCF) {
    JCF.DataInit();
    JCF.DataDefaultSet();
    const TEntJcfHeader& from = Src.Header();
    JCF.Enthd.jwVer = from.jwVer;
    JCF.MojiEncode = Src.MojiEncode;
    JCF.Enthd.BasePoint_x = from.BasePoint_x;
    JCF.Enthd.BasePoint_y = from.BasePoint_y;
    // A stream needs positive layer-group scales to pass its check; a group whose scale is 0,
    // negative or no number is drawn at scale 1, and is written so.
    for (std::size_t g = 0; g < JCF.EntLgrp.size() && g < Src.EntLgrp.size(); ++g) {
        const double scale = Src.EntLgrp[g].adScale;
        JCF.EntLgrp[g].adScale = scale > 0 ? scale : 1.0;
    }

    JCF.Enthd.n1 = std::clamp(from.n1, 0, static_cast<std::int32_t>(Src.EntNo.size()));
    JCF.EntNo = ValidCopy(Src.EntNo, JCF.Enthd.n1);
    JCF.EntLine = ValidCopy(Src.EntLine, Src.EntLineN);
    JCF.EntEnko = ValidCopy(Src.EntEnko, Src.EntEnkoN);
    JCF.EntTen = ValidCopy(Src.EntTen, Src.EntTenN);
    JCF.EntMoji = ValidCopy(Src.EntMoji, Src.EntMojiN);
    JCF.EntSunpo = ValidCopy(Src.EntSunpo, Src.EntSunpoN);
    JCF.EntSolid = ValidCopy(Src.EntSolid, Src.EntSolidN);
    JCF.EntBlock = ValidCopy(Src.EntBlock, Src.EntBlockN);
    JCF.EntBlockDef = ValidCopy(Src.EntBlockDef, Src.EntBlockDefN);
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

void CopyJwsFigure(const TJwsData& JWS, TJcfData& JCF) { CopyFigure(JWS, JCF); }

bool JWStoJCLF(const TJwsData& JWS, TJcfData& JCF, const std::filesystem::path& dst) {
    CopyJwsFigure(JWS, JCF);
    JCF.SetFileOutOption(JWS.MojiEncode ? 32 : 0);
    return JCF.FileOut(dst, JCF.Enthd.jwVer);
}

}  // namespace torvane
