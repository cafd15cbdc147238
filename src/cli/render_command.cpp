#include <algorithm>
#include <cctype>
#include <string>

#include "cli/commands.h"
#include "cli/conversion_output.h"
#include "cli/failure_messages.h"
#include "render/gra_attribute.h"
#include "render/thumbnail.h"
#include "util/bmp_file.h"
#if !defined(_WIN32)
#include "cli/png_writer.h"
#endif

namespace torvane::cli {
namespace {

struct RenderOptions {
    std::string input;
    std::string output;
    std::string size = "58x58";
    int background = 0;
    std::string kind;
};

bool ParseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
    const std::string w = text.substr(0, x);
    const std::string h = text.substr(x + 1);
    auto digits = [](const std::string& s) { return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); }); };
    if (!digits(w) || !digits(h) || w.size() > 5 || h.size() > 5) return false;
    width = std::stoi(w);
    height = std::stoi(h);
    return width >= 1 && height >= 1 && width <= 20000 && height <= 20000;
}

bool HasExtension(const std::string& path, const std::string& ext) {
    if (path.size() < ext.size()) return false;
    std::string tail = path.substr(path.size() - ext.size());
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == ext;
}

int Run(const RenderOptions& o, Streams streams) {
    int width = 0;
    int height = 0;
    if (!ParseSize(o.size, width, height)) {
        streams.err << "render: --size must be WxH (1 to 20000 each)\n";
        return kExitUsage;
    }
    const bool png = HasExtension(o.output, ".png");
    if (!png && !HasExtension(o.output, ".bmp")) {
        streams.err << "render: the output must be a .bmp or .png file\n";
        return kExitUsage;
    }
#if defined(_WIN32)
    if (png) {
        streams.err << "render: PNG output is not available in this build\n";
        return kExitUsage;
    }
#endif
    std::optional<FigureKind> kind;
    if (!o.kind.empty()) {
        kind = FigureKindOfName(o.kind);
        if (!kind) {
            streams.err << "render: --kind must be jcf, jws or jwk\n";
            return kExitUsage;
        }
    }
    // The drawing attributes the palette draws its thumbnails with.
    SetStartupAttributes();
    const std::filesystem::path input = ArgPath(o.input);
    const std::optional<Bitmap> picture = DrawFigureFile(input, width, height, o.background, kind);
    if (!picture) {
        ReportUnreadable(streams.err, "render", o.input, ReadProblem(input, "not a readable figure"));
        return kExitFailed;
    }
    const std::filesystem::path output = ArgPath(o.output);
#if defined(_WIN32)
    const bool saved = SaveBmp(*picture, output);
#else
    const bool saved = png ? SavePng(*picture, output) : SaveBmp(*picture, output);
#endif
    if (!saved) {
        ReportUnwritable(streams.err, "render", o.output, output);
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace

void AddRenderCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto options = std::make_shared<RenderOptions>();
    CLI::App* command = app.add_subcommand("render", "Draws a figure as the clip thumbnails are drawn");
    command->add_option("IN", options->input, "figure stream, JWS, JWK or drawing file")->required();
    command->add_option("OUT", options->output, "picture to write, .bmp or .png")->required();
    command->add_option("--size", options->size, "picture size WxH (default 58x58)");
    command->add_option("--bg", options->background, "background: 0 white, 1 black")->check(CLI::Range(0, 1));
    command->add_option("--kind", options->kind, "jcf, jws, jwk or jww instead of the kind found from the first bytes");
    command->callback([options, streams, &exit_code] { exit_code = Run(*options, streams); });
}

}  // namespace torvane::cli
