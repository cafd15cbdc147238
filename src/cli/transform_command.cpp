#include "cli/commands.h"

namespace torvane::cli {

void AddTransformCommand(CLI::App& app, Streams streams, int& exit_code) {
    app.add_subcommand("transform", "(not built yet)")->allow_extras()->callback([streams, &exit_code] {
        streams.err << "transform: not built yet\n";
        exit_code = 2;
    });
}

}  // namespace torvane::cli
