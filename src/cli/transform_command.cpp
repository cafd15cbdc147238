#include <memory>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/conversion_output.h"
#include "cli/failure_messages.h"
#include "convert/paste_transform.h"
#include "util/encodings.h"

namespace torvane::cli {
namespace {

struct TransformOptions {
    std::string in, out;
    std::string scale = "1";
    std::string angle = "0";
    bool text_scale = false;
    bool point_scale = false;
};

int RunTransform(const TransformOptions& options, Streams streams) {
    if (!CopyForConversion("transform", options.in, options.out, streams.err)) return kExitFailed;
    TJcfData JCF;
    const PasteTransformResult result =
        PasteTransformFile(ArgPath(options.out), Utf8ToStr(options.scale), Utf8ToStr(options.angle),
                           options.text_scale, options.point_scale, JCF);
    const PasteTransformValues& v = result.values;
    const nlohmann::json report{
        {"PasteBai", StrToUtf8(v.PasteBai)}, {"PasteBaX", v.PasteBaX}, {"PasteBaY", v.PasteBaY},
        {"PasteAng", StrToUtf8(v.PasteAng)}, {"PasteAnr", v.PasteAnr}, {"PasteMoj", v.PasteMoj},
        {"PasteTen", v.PasteTen},           {"outcome", OutcomeName(result.outcome)}};
    streams.out << report.dump(2) << "\n";
    ReportOutcome("transform", result.outcome, options.in, options.out, streams.err);
    return OutcomeExitCode(result.outcome);
}

}  // namespace

void AddTransformCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto options = std::make_shared<TransformOptions>();
    CLI::App* command = app.add_subcommand(
        "transform", "Applies the paste transform to a copy: scales and turns a figure stream about its base point");
    command->add_option("IN", options->in, "figure stream file")->required();
    command->add_option("OUT", options->out, "transformed copy")->required();
    command->add_option("--scale", options->scale, "scale text: a factor, or sx,sy (default 1)");
    command->add_option("--angle", options->angle, "angle text in degrees (default 0)");
    command->add_flag("--text-scale", options->text_scale, "text sizes follow the transform");
    command->add_flag("--point-scale", options->point_scale, "marker sizes follow the transform");
    command->callback([options, streams, &exit_code] { exit_code = RunTransform(*options, streams); });
}

}  // namespace torvane::cli
