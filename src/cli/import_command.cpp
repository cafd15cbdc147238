#include "cli/commands.h"

namespace torvane::cli {

void AddImportCommand(CLI::App& app, Streams streams, int& exit_code) {
    app.add_subcommand("import", "(not built yet)")->allow_extras()->callback([streams, &exit_code] {
        streams.err << "import: not built yet\n";
        exit_code = 2;
    });
}

}  // namespace torvane::cli
