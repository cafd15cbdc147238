#include "cli/conversion_output.h"

#include <system_error>

#include "cli/failure_messages.h"
#include "util/encodings.h"
#include "util/files.h"

namespace torvane::cli {

std::filesystem::path ArgPath(const std::string& arg) {
#if defined(_WIN32)
    // The C runtime hands over the arguments in the ANSI code page.
    return std::filesystem::path(AnsiToStr(arg));
#else
    // A POSIX file name is bytes, whatever their encoding.
    return std::filesystem::path(arg);
#endif
}

bool CopyForConversion(std::string_view command, const std::string& in, const std::string& out, std::ostream& err) {
    const std::filesystem::path from = ArgPath(in);
    const std::filesystem::path to = ArgPath(out);
    std::error_code ec;
    if (std::filesystem::equivalent(from, to, ec)) return true;
    if (FileCopy(from, to)) return true;
    const std::string problem = ReadProblem(from, "");
    if (!problem.empty()) {
        ReportUnreadable(err, command, in, problem);
    } else {
        ReportUnwritable(err, command, out, to);
    }
    return false;
}

const char* OutcomeName(StreamFileOutcome outcome) {
    switch (outcome) {
        case StreamFileOutcome::Unchanged: return "unchanged";
        case StreamFileOutcome::Converted: return "converted";
        case StreamFileOutcome::Unreadable: return "unreadable";
        case StreamFileOutcome::WriteFailed: return "write-failed";
    }
    return "unknown";
}

int OutcomeExitCode(StreamFileOutcome outcome) {
    return outcome == StreamFileOutcome::Unreadable || outcome == StreamFileOutcome::WriteFailed ? kExitFailed
                                                                                                  : kExitDone;
}

void ReportOutcome(std::string_view command, StreamFileOutcome outcome, const std::string& in, const std::string& out,
                   std::ostream& err) {
    if (outcome == StreamFileOutcome::Unreadable)
        ReportUnreadable(err, command, in, ReadProblem(ArgPath(in), "not a readable figure stream"));
    if (outcome == StreamFileOutcome::WriteFailed) ReportUnwritable(err, command, out, ArgPath(out));
}

}  // namespace torvane::cli
