#include "cli/commands.h"

namespace torvane::cli {

void AddDumpCommand(CLI::App& app, Streams streams, int& exit_code) {
    app.add_subcommand("dump", "(not built yet)")->allow_extras()->callback([streams, &exit_code] {
        streams.err << "dump: not built yet\n";
        exit_code = 2;
    });
}

}  // namespace torvane::cli
