// Figure stream bytes of any kind: checked, read, and what was read written and read back.
#include <cstddef>
#include <cstdint>
#include <span>

#include "figure/figure_file.h"
#include "figure/jcf_data.h"

namespace {

// The writer always describes a class first; a stream whose version was taken from other
// bytes (no objects, or a first object without a class description) need not read back alike.
bool VersionFromClassDescription(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 152) return false;
    const std::size_t tag = (bytes[144] == 0xFF && bytes[145] == 0xFF) ? 150 : 146;
    return tag + 1 < bytes.size() && bytes[tag] == 0xFF && bytes[tag + 1] == 0xFF;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    torvane::TJcfData::CheckBytes(bytes);
    torvane::TJcfData doc;
    const bool complete = doc.ReadBytes(bytes, u"fuzz");
    doc.SetFileOutOption(doc.MojiEncode ? 32 : 0);
    const std::string written = doc.WriteBytes(doc.Enthd.jwVer);
    torvane::TJcfData again;
    if (complete && doc.Enthd.n1 > 0 && VersionFromClassDescription(bytes) &&
        !again.ReadBytes(torvane::AsBytes(written), u"again")) __builtin_trap();
    return 0;
}
