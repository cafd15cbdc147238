#include "cli/conversion_output.h"

#include <system_error>

#include "util/encodings.h"
#include "util/files.h"

namespace torvane::cli {

std::filesystem::path ArgPath(const std::string& arg) { return std::filesystem::path(Utf8ToStr(arg)); }

bool CopyForConversion(const std::filesystem::path& in, const std::filesystem::path& out, std::ostream& err) {
    std::error_code ec;
    if (std::filesystem::equivalent(in, out, ec)) return true;
    if (FileCopy(in, out)) return true;
    err << "cannot copy " << in.string() << " to " << out.string() << "\n";
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
    return outcome == StreamFileOutcome::Unreadable || outcome == StreamFileOutcome::WriteFailed ? 1 : 0;
}

}  // namespace torvane::cli
