// Reads arbitrary bytes as a settings file, writes the result and reads it back.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "app/form1.h"
#include "app/form1_view.h"
#include "platform/clock.h"
#include "platform/ui_services.h"

namespace {

class SilentUi final : public torvane::UiServices {
public:
    void Message(std::u16string_view) override {}
    bool Confirm(std::u16string_view) override { return false; }
    void Beep() override {}
    void SetBusy(bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto folder = std::filesystem::temp_directory_path() / "torvane_settings_fuzzer";
    std::filesystem::create_directories(folder);
    {
        std::ofstream file(folder / "in.dat", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    torvane::THeadlessForm1View view;
    SilentUi ui;
    torvane::TForm1 form(view, torvane::SystemServices(ui));
    form.SettingsIn(folder / "in.dat");
    view.SetPaletteInputs({form.PasteBai, form.PasteAng, form.PasteMoj, form.PasteTen});
    form.SettingsOut(folder / "out.dat");
    form.SettingsIn(folder / "out.dat");
    return 0;
}
