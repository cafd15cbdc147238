#pragma once
#include <cstddef>
#include <string>

namespace torvane::bench {

// A version-600 figure stream of `entities` top-level entities of every kind, mostly lines
// as in real drawings, and ten block definitions that the insertions use.
std::string SyntheticStream(std::size_t entities);

// A version-600 figure stream of `entities` entities, a quarter each lines, arcs, texts and
// points, as a real drawing mixes them, and no block definitions.
std::string QuarterMixStream(std::size_t entities);

}  // namespace torvane::bench
