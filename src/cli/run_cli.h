#pragma once
#include <ostream>

namespace torvane::cli {

// Parses the command line and runs one command; returns the process exit code.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace torvane::cli
