// Figure stream bytes of any kind read and drawn as a thumbnail and as a larger picture.
#include <cstddef>
#include <cstdint>
#include <span>

#include "figure/jcf_data.h"
#include "render/gra_attribute.h"
#include "render/thumbnail.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    torvane::TJcfData doc;
    doc.ReadBytes(bytes, u"fuzz");
    torvane::SetStartupAttributes();
    torvane::DrawFigurePicture(doc, 58, 58, 0);
    torvane::DrawFigurePicture(doc, 600, 400, 1);
    return 0;
}
