#include "convert/figure_export.h"

#include "figure/jws_writer.h"

namespace torvane {

std::optional<std::string> JCLFtoJWS(TJcfData& JCF, const std::filesystem::path& src) {
    if (!JCF.FileCheck(src) || !JCF.FileIn(src)) return std::nullopt;
    JCF.SetFileOutOption(JCF.MojiEncode ? 32 : 0);
    return WriteJwsBytes(JCF, JCF.Enthd.jwVer);
}

}  // namespace torvane
