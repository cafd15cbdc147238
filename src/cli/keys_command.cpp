#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "clip/key_string.h"
#include "clip/keydefs.h"
#include "platform/clock.h"
#include "platform/keyboard.h"

namespace torvane::cli {
namespace {

// Text of UTF-8 bytes; malformed sequences become U+FFFD.
std::u16string FromUtf8(std::string_view bytes) {
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < bytes.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid || c > 0x10FFFF) {
            text += u'\uFFFD';
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(c);
        }
    }
    return text;
}

std::string ToUtf8(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        if (unit < 0x80) {
            bytes += static_cast<char>(unit);
        } else if (unit < 0x800) {
            bytes += static_cast<char>(0xC0 | (unit >> 6));
            bytes += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            bytes += static_cast<char>(0xE0 | (unit >> 12));
            bytes += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return bytes;
}

// A readable name of a virtual-key code, for the listing only.
std::string KeyName(std::uint8_t code) {
    if (code == Keyboard::kControl) return "CTRL";
    if (code == Keyboard::kAlt) return "ALT";
    for (const auto& def : kKeydefs) {
        if (def.code == code) return ToUtf8(def.name);
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
        for (const auto& item : ScanKeyItems(FromUtf8(*keys))) {
            streams.out << "item " << ToUtf8(item) << '\n';
            SendKeyString(item, printer, printer);
        }
        exit_code = 0;
    });
}

}  // namespace torvane::cli
