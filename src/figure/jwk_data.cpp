#include "figure/jwk_data.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "figure/figure_file.h"
#include "figure/jwk_text_types.h"

namespace torvane {
namespace {

// Millimetres as whole tenths, kept within the field's range.
uint16_t Tenths(double millimetres) {
    return static_cast<uint16_t>(std::lround(std::clamp(millimetres * 10, 0.0, 65535.0)));
}

// The first bytes of every JWK file.
constexpr std::string_view kIdentifier = "jw_cad(c)sym........";
constexpr std::size_t kIdentifierLength = kIdentifier.size();

}  // namespace

TJwkData::TJwkData() { DataInit(); }

TJwkData::~TJwkData() { DataFree(); }

void TJwkData::DataInit() {
    EntLine.clear();
    EntArc.clear();
    EntTen.clear();
    EntMoji.clear();
    lineN = arcN = tenN = mojiN = 0;
    Enthd = TEntJwkHeader{};
    EntMjtp.assign(kMojiTypeCount, TEntJwcMojiType{});
    for (std::size_t n = 1; n <= JwcMojiDef.size(); ++n) {
        const TJwkMojisyu& row = JwcMojiDef[n - 1];
        EntMjtp[n] = {static_cast<uint16_t>(row.pen), Tenths(row.wid), Tenths(row.hei), Tenths(row.dst)};
    }
}

void TJwkData::DataFree() {
    DataInit();
    EntMjtp.clear();
    EntMjtp.shrink_to_fit();
}

bool TJwkData::FileCheck(const std::filesystem::path& FName) const {
    return CheckDocumentFile<TJwkData>(FName, kIdentifierLength);
}

bool TJwkData::CheckBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kIdentifierLength) return false;
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), kIdentifierLength) == kIdentifier;
}

}  // namespace torvane
