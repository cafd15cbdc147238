#include "figure/jcf_data.h"

namespace torvane {

bool TJcfData::CheckBytes(std::span<const std::uint8_t>) { return false; }
bool TJcfData::ReadBytes(std::span<const std::uint8_t>, const std::u16string&) { return false; }
std::string TJcfData::WriteBytes(std::int32_t) const { return {}; }
bool TJcfData::FileCheck(const std::filesystem::path&) const { return false; }
bool TJcfData::FileIn(const std::filesystem::path&) { return false; }
void TJcfData::SetFileOutOption(std::int32_t n) { FileOutOpt = (n >= 0 && n < 64) ? n : 0; }
bool TJcfData::FileOut(const std::filesystem::path&, std::int32_t) { return false; }

}  // namespace torvane
