#pragma once
#include <CLI/CLI.hpp>

#include <ostream>

namespace torvane::cli {

// Where a command writes: its result to `out`, diagnostics to `err`.
struct Streams {
    std::ostream& out;
    std::ostream& err;
};

// Each adds one subcommand to `app`; its callback stores the process exit code in `exit_code`.
void AddCheckCommand(CLI::App& app, Streams streams, int& exit_code);
void AddDumpCommand(CLI::App& app, Streams streams, int& exit_code);
void AddWriteCommand(CLI::App& app, Streams streams, int& exit_code);
void AddRenderCommand(CLI::App& app, Streams streams, int& exit_code);
void AddTransformCommand(CLI::App& app, Streams streams, int& exit_code);
void AddConvertCommand(CLI::App& app, Streams streams, int& exit_code);
void AddImportCommand(CLI::App& app, Streams streams, int& exit_code);
void AddExportCommand(CLI::App& app, Streams streams, int& exit_code);
void AddSettingsCommand(CLI::App& app, Streams streams, int& exit_code);
void AddKeysCommand(CLI::App& app, Streams streams, int& exit_code);
void AddFindCommand(CLI::App& app, Streams streams, int& exit_code);

}  // namespace torvane::cli
