#pragma once
#include <cstdint>
#include <string>

namespace torvane {

// The value text of a dimension whose line measures `length` (layer-group scale applied),
// formatted by the text's flags (its nPenWidth) and marks (its sFlg).
std::u16string DimensionValueText(double length, std::uint32_t flags, std::uint32_t marks);

}  // namespace torvane
