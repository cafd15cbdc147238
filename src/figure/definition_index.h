#pragma once
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "figure/jwwtype.h"

namespace torvane {

// Finds the first block definition with a given number: a sorted list of (number, position),
// eight bytes a definition, for figures that hold millions of them.
class TDefinitionIndex {
public:
    explicit TDefinitionIndex(std::span<const TEntJwwBlockDef> definitions);
    // Position of the first definition numbered `number`, -1 when there is none.
    std::int32_t Find(std::uint32_t number) const;

private:
    std::vector<std::pair<std::uint32_t, std::int32_t>> entries_;
};

}  // namespace torvane
