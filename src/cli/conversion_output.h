#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "convert/stream_file.h"

namespace torvane::cli {

// A path given on the command line, taken as the system gives it: bytes on POSIX, the ANSI
// code page on Windows.
std::filesystem::path ArgPath(const std::string& arg);

// Copies the input to the output that a conversion then works on (both as given on the
// command line); reports a failure of `command` on err.
bool CopyForConversion(std::string_view command, const std::string& in, const std::string& out, std::ostream& err);

// "unchanged", "converted", "unreadable" or "write-failed".
const char* OutcomeName(StreamFileOutcome outcome);

// Exit code of a conversion: 0 when the output holds the result, 1 when reading or writing failed.
int OutcomeExitCode(StreamFileOutcome outcome);
// Reports an unreadable input or a failed write of `command` on err.
void ReportOutcome(std::string_view command, StreamFileOutcome outcome, const std::string& in, const std::string& out,
                   std::ostream& err);

}  // namespace torvane::cli
