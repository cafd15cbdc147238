#pragma once
#include <filesystem>
#include <ostream>
#include <string>

#include "convert/stream_file.h"

namespace torvane::cli {

// A path given on the command line (UTF-8).
std::filesystem::path ArgPath(const std::string& arg);

// Copies the input to the output that a conversion then works on; reports a failure on err.
bool CopyForConversion(const std::filesystem::path& in, const std::filesystem::path& out, std::ostream& err);

// "unchanged", "converted", "unreadable" or "write-failed".
const char* OutcomeName(StreamFileOutcome outcome);

// Exit code of a conversion: 0 when the output holds the result, 1 when reading or writing failed.
int OutcomeExitCode(StreamFileOutcome outcome);

}  // namespace torvane::cli
