#include "clip/keydefs.h"

namespace torvane {

const std::array<Keydef, 31> kKeydefs{{
    {u"F1", 0x70},     {u"F2", 0x71},    {u"F3", 0x72},     {u"F4", 0x73},     {u"F5", 0x74},    {u"F6", 0x75},
    {u"F7", 0x76},     {u"F8", 0x77},    {u"F9", 0x78},     {u"F10", 0x79},    {u"F11", 0x7A},   {u"F12", 0x7B},
    {u"INSERT", 0x2D}, {u"DELETE", 0x2E}, {u"HOME", 0x24},  {u"END", 0x23},    {u"PGUP", 0x21},  {u"PGDN", 0x22},
    {u"TAB", 0x09},    {u"ENTER", 0x0D}, {u"BKSP", 0x08},   {u"PRTSC", 0x2C},  {u"SHIFT", 0x10}, {u"SPACE", 0x20},
    {u"SPC", 0x20},    {u"LEFT", 0x25},  {u"UP", 0x26},     {u"RIGHT", 0x27},  {u"DOWN", 0x28},  {u"ESCAPE", 0x1B},
    {u"ESC", 0x1B},
}};

std::optional<std::uint8_t> KeydefCode(std::u16string_view name) {
    for (const auto& def : kKeydefs) {
        if (def.name == name) return def.code;
    }
    return std::nullopt;
}

}  // namespace torvane
