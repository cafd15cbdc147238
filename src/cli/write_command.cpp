#include "cli/commands.h"

namespace torvane::cli {

void AddWriteCommand(CLI::App& app, Streams streams, int& exit_code) {
    app.add_subcommand("write", "(not built yet)")->allow_extras()->callback([streams, &exit_code] {
        streams.err << "write: not built yet\n";
        exit_code = 2;
    });
}

}  // namespace torvane::cli
