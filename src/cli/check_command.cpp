#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/conversion_output.h"
#include "cli/failure_messages.h"
#include "cli/figure_reading.h"

namespace torvane::cli {

void AddCheckCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto* command = app.add_subcommand("check", "Runs FileCheck of the file's kind; exit 0 when accepted, 1 when not");
    auto file = std::make_shared<std::string>();
    auto kind_name = std::make_shared<std::string>();
    command->add_option("FILE", *file, "figure stream, JWS, JWK or drawing file")->required();
    command->add_option("--kind", *kind_name, "jcf, jws, jwk or jww (default: from the first bytes)")
        ->check(CLI::IsMember({"jcf", "jws", "jwk", "jww"}));
    command->callback([streams, &exit_code, file, kind_name] {
        const std::filesystem::path path = ArgPath(*file);
        const FigureKind kind =
            kind_name->empty() ? FigureKindOfFile(path).value_or(FigureKind::Jcf) : *FigureKindOfName(*kind_name);
        const bool accepted = CheckFigure(kind, path);
        streams.out << "{\"kind\": \"" << FigureKindName(kind) << "\", \"check\": " << (accepted ? "true" : "false")
                    << "}\n";
        if (!accepted) {
            ReportUnreadable(streams.err, "check", *file,
                             ReadProblem(path, std::string("not a ") + FigureKindDescription(kind)));
        }
        exit_code = accepted ? kExitDone : kExitFailed;
    });
}

}  // namespace torvane::cli
