#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>

#include "app/form1.h"
#include "app/form1_globals.h"
#include "cli/commands.h"
#include "cli/conversion_output.h"
#include "cli/failure_messages.h"
#include "platform/ui_services.h"
#include "util/encodings.h"
#include "util/files.h"

namespace torvane::cli {
namespace {

using nlohmann::ordered_json;

// No user to talk to: reading and writing the settings file asks nothing.
class SilentUi final : public UiServices {
public:
    void Message(std::u16string_view) override {}
    bool Confirm(std::u16string_view) override { return false; }
    void Beep() override {}
    void SetBusy(bool) override {}
};

std::string Utf8(std::u16string_view text) { return StrToUtf8(text); }

ordered_json TextArray(const std::vector<std::u16string>& texts) {
    ordered_json array = ordered_json::array();
    for (const auto& text : texts) array.push_back(Utf8(text));
    return array;
}

ordered_json Bounds(const TWindowBounds& bounds) {
    return {{"Left", bounds.Left}, {"Top", bounds.Top}, {"Width", bounds.Width}, {"Height", bounds.Height}};
}

ordered_json SettingsJson(const TForm1& form) {
    ordered_json settings = {
        {"Ktime", form.Ktime},           {"Histo", form.Histo},
        {"BackColorNo", BackColorNo},    {"OnTop", form.OnTop},
        {"KanBoot", form.KanBoot},       {"KanClip", form.KanClip},
        {"LocateLoc", form.LocateLoc},   {"ColBacc", form.ColBacc},
        {"ColEdge", form.ColEdge},       {"ColMnuB", form.ColMnuB},
        {"SwSize", form.SwSize},         {"BtnXn", form.BtnXn},
        {"BtnYn", form.BtnYn},           {"BtnWi", form.BtnWi},
        {"BtnHe", form.BtnHe},           {"AlphaCheck1", form.AlphaCheck1},
        {"AlphaCheck2", form.AlphaCheck2}, {"AlphaValue1", form.AlphaValue1},
        {"AlphaValue2", form.AlphaValue2}, {"BootJwwHnd", form.BootJwwHnd},
        {"TranKyo", form.TranKyo},       {"TranCol", form.TranCol},
        {"TranLtp", form.TranLtp},       {"TranAut", form.TranAut},
        {"PasteBaN", form.PasteBaN},     {"PasteBa", TextArray(form.PasteBa)},
        {"PasteAnN", form.PasteAnN},     {"PasteAn", TextArray(form.PasteAn)},
        {"PasteBai", Utf8(form.PasteBai)}, {"PasteAng", Utf8(form.PasteAng)},
        {"PasteMoj", form.PasteMoj},     {"PasteTen", form.PasteTen},
        {"ZukeiType", form.ZukeiType},   {"ZukeiFold", Utf8(form.ZukeiFold)},
        {"ZukeiImgX", form.ZukeiImgX},   {"ZukeiImgY", form.ZukeiImgY},
        {"ZukeiBrwX", form.ZukeiBrwX},   {"ZukeiBrwY", form.ZukeiBrwY},
        {"ZukeiBrwT", form.ZukeiBrwT},   {"ZukeiBrwF", form.ZukeiBrwF},
    };
    const TWindowGeometry& g = form.Geometry;
    ordered_json form5 = Bounds(g.Form5);
    form5["PanelWidth"] = g.Form5PanelWidth;
    form5["ColWidths"] = g.Form5ColWidths;
    const ordered_json windows = {
        {"Form1", Bounds(g.Form1)}, {"Form2", {{"Left", g.Form2Left}, {"Top", g.Form2Top}}},
        {"Form3", Bounds(g.Form3)}, {"Form5", form5},
        {"Form6", Bounds(g.Form6)}, {"Form7", Bounds(g.Form7)},
        {"ClipSearch", Bounds(g.ClipSearch)},
    };
    ordered_json index = ordered_json::array();
    for (const auto& page : form.StringGrid1) index.push_back(TextArray({page.begin(), page.end()}));
    return {{"settings", settings},
            {"windows", windows},
            {"BrowserFolders", TextArray(form.BrowserFolders)},
            {"StringGrid1", index}};
}

int RunSettings(const std::string& file, const std::string& output, Streams streams) {
    const std::filesystem::path path = ArgPath(file);
    if (!FileThere(path)) {
        ReportUnreadable(streams.err, "settings", file, ReadProblem(path, "it is no file"));
        return kExitFailed;
    }
    THeadlessForm1View view;
    SilentUi ui;
    TForm1 form(view, SystemServices(ui));
    form.SettingsIn(path);
    streams.out << SettingsJson(form).dump(2, ' ', false, ordered_json::error_handler_t::replace) << "\n";
    if (output.empty()) return kExitDone;
    view.SetPaletteInputs({form.PasteBai, form.PasteAng, form.PasteMoj, form.PasteTen});
    const std::filesystem::path out = ArgPath(output);
    if (!form.SettingsOut(out)) {
        ReportUnwritable(streams.err, "settings", output, out);
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace

void AddSettingsCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto* command = app.add_subcommand("settings", "Reads a settings file and prints every setting and the clip index as JSON");
    auto file = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    command->add_option("FILE", *file, "settings file (.dat)")->required();
    command->add_option("--write", *output, "writes the settings back to this file");
    command->callback([file, output, streams, &exit_code] { exit_code = RunSettings(*file, *output, streams); });
}

}  // namespace torvane::cli
