#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/conversion_output.h"
#include "cli/failure_messages.h"
#include "convert/figure_export.h"
#include "util/files.h"

namespace torvane::cli {
namespace {

struct ExportOptions {
    std::string in, out;
};

int RunExport(const ExportOptions& options, Streams streams) {
    TJcfData JCF;
    const std::filesystem::path in = ArgPath(options.in);
    const std::optional<std::string> jws = JCLFtoJWS(JCF, in);
    if (!jws) {
        ReportUnreadable(streams.err, "export", options.in, ReadProblem(in, "not a readable figure stream"));
        return kExitFailed;
    }
    const std::filesystem::path out = ArgPath(options.out);
    if (!WriteFileAtomic(out, *jws)) {
        ReportUnwritable(streams.err, "export", options.out, out);
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace

void AddExportCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App* command = app.add_subcommand("export", "Writes a figure stream as a JWS figure file");
    command->add_option("IN", options->in, "figure stream to read (a clip's .1 file)")->required();
    command->add_option("OUT", options->out, "JWS figure file to write")->required();
    command->callback([options, streams, &exit_code] { exit_code = RunExport(*options, streams); });
}

}  // namespace torvane::cli
