#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/conversion_output.h"
#include "cli/failure_messages.h"
#include "cli/figure_reading.h"

namespace torvane::cli {

void AddDumpCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto* command = app.add_subcommand("dump", "Reads a figure (FileIn) and prints the document as JSON");
    struct Options {
        std::string file;
        std::string kind;
        bool extents = false;
    };
    auto options = std::make_shared<Options>();
    command->add_option("FILE", options->file, "figure stream, JWS, JWK or drawing file")->required();
    command->add_flag("--extents", options->extents, "run GetMinMaxZahyo before printing");
    command->add_option("--kind", options->kind, "jcf, jws, jwk or jww (default: from the first bytes)")
        ->check(CLI::IsMember({"jcf", "jws", "jwk", "jww"}));
    command->callback([streams, &exit_code, options] {
        const std::filesystem::path path = ArgPath(options->file);
        const FigureKind kind =
            options->kind.empty() ? FigureKindOfFile(path).value_or(FigureKind::Jcf) : *FigureKindOfName(options->kind);
        const bool read = DumpFigure(kind, path, options->extents, streams.out);
        if (!read) {
            const std::string what = CheckFigure(kind, path) ? "an incomplete or damaged " : "not a ";
            ReportUnreadable(streams.err, "dump", options->file, ReadProblem(path, what + FigureKindDescription(kind)));
        }
        exit_code = read ? kExitDone : kExitFailed;
    });
}

}  // namespace torvane::cli
