// Drawing file bytes of any kind: checked, read, its hidden layers left out and drawn as a thumbnail.
#include <cstddef>
#include <cstdint>
#include <span>

#include "figure/jww_data.h"
#include "render/gra_attribute.h"
#include "render/thumbnail.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    torvane::TJwwData::CheckBytes(bytes);
    torvane::TJwwData doc;
    doc.ReadBytes(bytes, u"fuzz");
    doc.KeepShownLayers();
    torvane::SetStartupAttributes();
    torvane::DrawFigurePicture(doc, 58, 58, 0);
    return 0;
}
