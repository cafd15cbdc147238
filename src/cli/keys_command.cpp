#include "cli/commands.h"

namespace torvane::cli {

void AddKeysCommand(CLI::App& app, Streams streams, int& exit_code) {
    app.add_subcommand("keys", "(not built yet)")->allow_extras()->callback([streams, &exit_code] {
        streams.err << "keys: not built yet\n";
        exit_code = 2;
    });
}

}  // namespace torvane::cli
