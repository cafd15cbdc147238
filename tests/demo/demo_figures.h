#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace torvane::test {

// A figure the demonstration copies: its figure stream file and a name to report it by.
struct DemoFigure {
    std::filesystem::path stream;
    std::string name;
};

// Three figures: real ones from the data folder when it is there, otherwise three small ones
// drawn here and written as figure streams into `folder`.
std::vector<DemoFigure> DemoFigures(const std::filesystem::path& folder);

}  // namespace torvane::test
