#include <memory>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/conversion_output.h"
#include "cli/failure_messages.h"
#include "convert/attribute_conversions.h"

namespace torvane::cli {
namespace {

struct ConvertOptions {
    std::string in, out;
    AttributeConversions conversions;
};

int RunConvert(const ConvertOptions& options, Streams streams) {
    if (!CopyForConversion("convert", options.in, options.out, streams.err)) return kExitFailed;
    TJcfData JCF;
    const StreamFileOutcome outcome = ConvertAttributesFile(ArgPath(options.out), options.conversions, JCF);
    const nlohmann::json report{{"TranKyo", options.conversions.TranKyo},
                                {"TranCol", options.conversions.TranCol},
                                {"TranLtp", options.conversions.TranLtp},
                                {"outcome", OutcomeName(outcome)}};
    streams.out << report.dump(2) << "\n";
    ReportOutcome("convert", outcome, options.in, options.out, streams.err);
    return OutcomeExitCode(outcome);
}

}  // namespace

void AddConvertCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto options = std::make_shared<ConvertOptions>();
    CLI::App* command =
        app.add_subcommand("convert", "Applies the attribute conversions to a copy: curve attributes, SXF user colours and line types");
    command->add_option("IN", options->in, "figure stream file")->required();
    command->add_option("OUT", options->out, "converted copy")->required();
    command->add_option("--curve", options->conversions.TranKyo, "1 clear the curve attributes, 2 make them one curve")
        ->check(CLI::Range(1, 2));
    command->add_option("--color", options->conversions.TranCol, "SXF user colours become list entry N (1-25)")
        ->check(CLI::Range(1, 25));
    command->add_option("--ltype", options->conversions.TranLtp, "SXF user line types become list entry N (1-33)")
        ->check(CLI::Range(1, 33));
    command->callback([options, streams, &exit_code] { exit_code = RunConvert(*options, streams); });
}

}  // namespace torvane::cli
