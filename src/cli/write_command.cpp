#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "figure/jcf_data.h"

namespace torvane::cli {

void AddWriteCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto* command = app.add_subcommand("write", "Read a figure stream and write it with FileOut");
    struct Options {
        std::string in;
        std::string out;
        std::optional<int> ver;
        bool utf16 = false;
    };
    auto options = std::make_shared<Options>();
    command->add_option("IN", options->in, "figure stream to read")->required();
    command->add_option("OUT", options->out, "figure stream to write")->required();
    command->add_option("--ver", options->ver, "output version (default: the stream's own jwVer)");
    command->add_flag("--utf16", options->utf16, "write strings in UTF-16 (default: when the stream had any)");
    command->callback([streams, &exit_code, options] {
        TJcfData doc;
        if (!doc.FileIn(options->in)) {
            streams.err << "write: cannot read " << options->in << "\n";
            exit_code = 1;
            return;
        }
        doc.SetFileOutOption(options->utf16 || doc.MojiEncode ? 32 : 0);
        if (!doc.FileOut(options->out, options->ver.value_or(doc.Enthd.jwVer))) {
            streams.err << "write: cannot write " << options->out << "\n";
            exit_code = 1;
            return;
        }
        exit_code = 0;
    });
}

}  // namespace torvane::cli
