#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/conversion_output.h"
#include "cli/failure_messages.h"
#include "figure/jcf_data.h"

namespace torvane::cli {

void AddWriteCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto* command = app.add_subcommand("write", "Reads a figure stream and writes it with FileOut");
    struct Options {
        std::string in;
        std::string out;
        std::optional<int> ver;
        bool utf16 = false;
    };
    auto options = std::make_shared<Options>();
    command->add_option("IN", options->in, "figure stream to read")->required();
    command->add_option("OUT", options->out, "figure stream to write")->required();
    command->add_option("--ver", options->ver, "output version, 220 to 700 (default: the stream's own jwVer)")
        ->check(CLI::Range(220, 700));
    command->add_flag("--utf16", options->utf16, "write strings in UTF-16 (default: when the stream had any)");
    command->callback([streams, &exit_code, options] {
        TJcfData doc;
        const std::filesystem::path in = ArgPath(options->in);
        if (!doc.FileIn(in)) {
            ReportUnreadable(streams.err, "write", options->in, ReadProblem(in, "not a readable figure stream"));
            exit_code = kExitFailed;
            return;
        }
        doc.SetFileOutOption(options->utf16 || doc.MojiEncode ? 32 : 0);
        const std::filesystem::path out = ArgPath(options->out);
        if (!doc.FileOut(out, options->ver.value_or(doc.Enthd.jwVer))) {
            ReportUnwritable(streams.err, "write", options->out, out);
            exit_code = kExitFailed;
            return;
        }
        exit_code = kExitDone;
    });
}

}  // namespace torvane::cli
