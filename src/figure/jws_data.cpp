#include "figure/jws_data.h"

namespace torvane {

bool TJwsData::CheckBytes(std::span<const std::uint8_t>) { return false; }
bool TJwsData::ReadBytes(std::span<const std::uint8_t>, const std::u16string&) { return false; }
bool TJwsData::FileCheck(const std::filesystem::path&) const { return false; }
bool TJwsData::FileIn(const std::filesystem::path&) { return false; }

}  // namespace torvane
