#pragma once
#include <cstddef>
#include <string>

namespace torvane::bench {

// A version-600 figure stream of `entities` top-level entities of every kind, mostly lines
// as in real drawings, and ten block definitions that the insertions use.
std::string SyntheticStream(std::size_t entities);

}  // namespace torvane::bench
