// JWS file bytes of any kind: checked and read.
#include <cstddef>
#include <cstdint>
#include <span>

#include "figure/jws_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    torvane::TJwsData::CheckBytes(bytes);
    torvane::TJwsData doc;
    doc.ReadBytes(bytes, u"fuzz");
    return 0;
}
