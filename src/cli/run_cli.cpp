#include "cli/run_cli.h"

#include <exception>

#include "cli/commands.h"
#include "cli/failure_messages.h"

namespace torvane::cli {

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"torvane-cli: Jw_cad figure streams, figure files and Torvane settings from the command line"};
    app.require_subcommand(1);
    app.footer(
        "Exit codes, for every command: 0 done; 1 the input was refused or the operation failed; 2 a usage error.");
    int exit_code = kExitDone;
    const Streams streams{out, err};
    AddCheckCommand(app, streams, exit_code);
    AddDumpCommand(app, streams, exit_code);
    AddWriteCommand(app, streams, exit_code);
    AddRenderCommand(app, streams, exit_code);
    AddTransformCommand(app, streams, exit_code);
    AddConvertCommand(app, streams, exit_code);
    AddImportCommand(app, streams, exit_code);
    AddExportCommand(app, streams, exit_code);
    AddSettingsCommand(app, streams, exit_code);
    AddKeysCommand(app, streams, exit_code);
    AddFindCommand(app, streams, exit_code);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help asked for is done; anything else CLI11 refuses is a usage error.
        return app.exit(e, out, err) == 0 ? kExitDone : kExitUsage;
    } catch (const std::exception& e) {
        err << "torvane-cli: " << e.what() << "\n";
        return kExitFailed;
    }
    return exit_code;
}

}  // namespace torvane::cli
