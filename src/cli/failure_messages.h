#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "figure/figure_kind.h"

namespace torvane::cli {

// Exit codes of every command.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // the input was refused or the operation failed
inline constexpr int kExitUsage = 2;

// Why an input could not be read: what is wrong with the file itself (missing, a folder, too
// large, not to be opened), or `otherwise` when the file is there and could be opened.
std::string ReadProblem(const std::filesystem::path& path, std::string_view otherwise);
// Why an output could not be written: a missing folder, a folder in its place, or the writing.
std::string WriteProblem(const std::filesystem::path& path);

// "figure stream", "JWS figure file", "JWK figure file" or "Jw_cad drawing file".
const char* FigureKindDescription(FigureKind kind);

// "command: cannot read argument: reason" and "command: cannot write argument: reason" on err,
// with the argument as it was given.
void ReportUnreadable(std::ostream& err, std::string_view command, std::string_view argument,
                      std::string_view reason);
void ReportUnwritable(std::ostream& err, std::string_view command, std::string_view argument,
                      const std::filesystem::path& path);

}  // namespace torvane::cli
