#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/figure_reading.h"

namespace torvane::cli {

void AddDumpCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto* command = app.add_subcommand("dump", "Read a figure (FileIn) and print the document as JSON");
    struct Options {
        std::string file;
        std::string kind;
        bool extents = false;
    };
    auto options = std::make_shared<Options>();
    command->add_option("FILE", options->file, "figure stream, JWS or JWK file")->required();
    command->add_flag("--extents", options->extents, "run GetMinMaxZahyo before printing");
    command->add_option("--kind", options->kind, "jcf, jws or jwk (default: from the first bytes)")
        ->check(CLI::IsMember({"jcf", "jws", "jwk"}));
    command->callback([streams, &exit_code, options] {
        const FigureKind kind = options->kind.empty() ? FigureKindOfFile(options->file).value_or(FigureKind::Jcf)
                                                   : *FigureKindOfName(options->kind);
        exit_code = DumpFigure(kind, options->file, options->extents, streams.out) ? 0 : 1;
    });
}

}  // namespace torvane::cli
