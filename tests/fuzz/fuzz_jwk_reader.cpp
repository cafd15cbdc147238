// libFuzzer target: any bytes as a JWK figure file, read and then measured.
#include <cstddef>
#include <cstdint>

#include "figure/jwk_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    torvane::TJwkData jwk;
    jwk.ReadBytes({data, size}, u"fuzz.jwk");
    jwk.GetMinMaxZahyo();
    return 0;
}
