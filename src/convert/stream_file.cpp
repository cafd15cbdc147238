#include "convert/stream_file.h"

namespace torvane {

StreamFileOutcome WriteBack(TJcfData& JCF, const std::filesystem::path& f) {
    JCF.MakeBlockTree();
    JCF.SetFileOutOption(JCF.MojiEncode ? 32 : 0);
    return JCF.FileOut(f, JCF.Enthd.jwVer) ? StreamFileOutcome::Converted : StreamFileOutcome::WriteFailed;
}

}  // namespace torvane
