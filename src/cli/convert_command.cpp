#include "cli/commands.h"

namespace torvane::cli {

void AddConvertCommand(CLI::App& app, Streams streams, int& exit_code) {
    app.add_subcommand("convert", "(not built yet)")->allow_extras()->callback([streams, &exit_code] {
        streams.err << "convert: not built yet\n";
        exit_code = 2;
    });
}

}  // namespace torvane::cli
