#include <memory>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/conversion_output.h"
#include "cli/failure_messages.h"
#include "convert/figure_import.h"
#include "figure/figure_kind.h"

namespace torvane::cli {
namespace {

struct ImportOptions {
    std::string figure, out, kind;
};

// "jws", "jwk" or "jww" from the file's first bytes, unless given; empty for any other file.
std::string ImportKind(const std::filesystem::path& figure, const std::string& given) {
    if (!given.empty()) return given;
    const FigureKind kind = FigureKindOfFile(figure).value_or(FigureKind::Jcf);
    return kind == FigureKind::Jcf ? "" : FigureKindName(kind);
}

int RunImport(const ImportOptions& options, Streams streams) {
    const auto figure = ArgPath(options.figure);
    const auto out = ArgPath(options.out);
    const std::string kind = ImportKind(figure, options.kind);
    bool read = false;
    bool written = false;
    TJcfData JCF;
    if (kind == "jws") {
        TJwsData JWS;
        read = JWS.FileCheck(figure) && JWS.FileIn(figure);
        written = read && JWStoJCLF(JWS, JCF, out);
    } else if (kind == "jwk") {
        TJwkData JWK;
        read = JWK.FileCheck(figure) && JWK.FileIn(figure);
        written = read && JWKtoJCLF(JWK, JCF, out);
    } else if (kind == "jww") {
        TJwwData JWW;
        read = JWW.FileCheck(figure) && JWW.FileIn(figure);
        written = read && JWWtoJCLF(JWW, JCF, out);
    }
    const nlohmann::json report{{"kind", kind}, {"read", read}, {"written", written}};
    streams.out << report.dump(2) << "\n";
    if (!read) {
        ReportUnreadable(streams.err, "import", options.figure, ReadProblem(figure, "not a readable JWS, JWK or drawing file"));
    } else if (!written) {
        ReportUnwritable(streams.err, "import", options.out, out);
    }
    return written ? kExitDone : kExitFailed;
}

}  // namespace

void AddImportCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto options = std::make_shared<ImportOptions>();
    CLI::App* command = app.add_subcommand("import", "Converts a JWS, JWK or drawing file into a figure stream file");
    command->add_option("FIGURE", options->figure, "figure file (.jws, .jwk or .jww)")->required();
    command->add_option("OUT", options->out, "figure stream file to write")->required();
    command->add_option("--kind", options->kind, "jws, jwk or jww (default: from the file's first bytes)")
        ->check(CLI::IsMember({"jws", "jwk", "jww"}));
    command->callback([options, streams, &exit_code] { exit_code = RunImport(*options, streams); });
}

}  // namespace torvane::cli
