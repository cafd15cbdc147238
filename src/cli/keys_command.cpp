#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/failure_messages.h"
#include "clip/key_string.h"
#include "clip/keydefs.h"
#include "platform/clock.h"
#include "platform/keyboard.h"
#include "util/encodings.h"

namespace torvane::cli {
namespace {

// A readable name of a virtual-key code, for the listing only.
std::string KeyName(std::uint8_t code) {
    if (code == Keyboard::kControl) return "CTRL";
    if (code == Keyboard::kAlt) return "ALT";
    for (const auto& def : kKeydefs) {
        if (def.code == code) return StrToUtf8(def.name);
    }
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return std::string(1, static_cast<char>(code));
    return {};
}

// Sends nothing and waits for nothing: prints every key event and every wait instead.
class KeyPrinter final : public Keyboard, public Clock {
public:
    explicit KeyPrinter(std::ostream& out) : out_(out) {}
    bool KeyDown(std::uint8_t code) override { return Print("down", code); }
    bool KeyUp(std::uint8_t code) override { return Print("up", code); }
    bool IsHeld(std::uint8_t) override { return false; }
    LocalTime Now() const override { return {}; }
    void Sleep(std::uint32_t milliseconds) const override { out_ << "  wait " << milliseconds << " ms\n"; }

private:
    bool Print(const char* what, std::uint8_t code) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", code);
        out_ << "  " << what << ' ' << hex;
        if (const auto name = KeyName(code); !name.empty()) out_ << ' ' << name;
        out_ << '\n';
        return true;
    }
    std::ostream& out_;
};

}  // namespace

void AddKeysCommand(CLI::App& app, Streams streams, int& exit_code) {
    auto* command = app.add_subcommand("keys", "Prints the key items of a key string and the key events each sends");
    auto keys = std::make_shared<std::string>();
    command->add_option("STRING", *keys, "key string, e.g. ^V{10}{ENTER}")->required();
    command->callback([streams, keys, &exit_code] {
        KeyPrinter printer(streams.out);
        for (const auto& item : ScanKeyItems(Utf8ToStr(*keys))) {
            streams.out << "item " << StrToUtf8(item) << '\n';
            SendKeyString(item, printer, printer);
        }
        exit_code = kExitDone;
    });
}

}  // namespace torvane::cli
