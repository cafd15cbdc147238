#include "cli/run_cli.h"

#include "cli/commands.h"

namespace torvane::cli {

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"torvane-cli: Jw_cad figure streams, figure files and Torvane settings from the command line"};
    app.require_subcommand(1);
    int exit_code = 0;
    const Streams streams{out, err};
    AddCheckCommand(app, streams, exit_code);
    AddDumpCommand(app, streams, exit_code);
    AddWriteCommand(app, streams, exit_code);
    AddRenderCommand(app, streams, exit_code);
    AddTransformCommand(app, streams, exit_code);
    AddConvertCommand(app, streams, exit_code);
    AddImportCommand(app, streams, exit_code);
    AddSettingsCommand(app, streams, exit_code);
    AddKeysCommand(app, streams, exit_code);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, out, err);
    }
    return exit_code;
}

}  // namespace torvane::cli
