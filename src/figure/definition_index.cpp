#include "figure/definition_index.h"

#include <algorithm>

namespace torvane {

TDefinitionIndex::TDefinitionIndex(std::span<const TEntJwwBlockDef> definitions) {
    entries_.reserve(definitions.size());
    for (std::size_t i = 0; i < definitions.size(); ++i)
        entries_.emplace_back(definitions[i].nNumber, static_cast<std::int32_t>(i));
    // Sorting the pairs puts the first position of each number first.
    std::sort(entries_.begin(), entries_.end());
}

std::int32_t TDefinitionIndex::Find(std::uint32_t number) const {
    const auto found = std::lower_bound(entries_.begin(), entries_.end(), std::make_pair(number, INT32_MIN));
    return found != entries_.end() && found->first == number ? found->second : -1;
}

}  // namespace torvane
