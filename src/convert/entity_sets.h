#pragma once
#include <span>
#include <vector>

#include "figure/jww_figure.h"

namespace torvane {

// The valid records of one entity list: the figure's own or one block definition's members.
struct EntitySet {
    std::span<TEntJwwLine> lines;
    std::span<TEntJwwEnko> arcs;
    std::span<TEntJwwTen> points;
    std::span<TEntJwwMoji> texts;
    std::span<TEntJwwSunpo> dimensions;
    std::span<TEntJwwSolid> solids;
    std::span<TEntJwwBlock> blocks;
};

// The figure's own entities first, then the members of every block definition in order.
std::vector<EntitySet> AllEntitySets(TJwwFigureData& doc);

}  // namespace torvane
