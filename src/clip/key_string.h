#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/keyboard.h"

namespace torvane {

// Wait before every key item, in milliseconds.
constexpr std::uint32_t kKeyItemWaitMs = 500;

// Cuts a key string into items: "{...}" groups (to the next "}" or the end), up to three
// modifier characters "^", "@", "~" with the character they apply to (a group when that is
// "{"), and single characters.
std::vector<std::u16string> ScanKeyItems(std::u16string_view keys);

// The pause of a group item whose inside is a whole number n > 0: n tenths of a second, in
// milliseconds. Nothing for any other item.
std::optional<std::uint32_t> PauseOfItem(std::u16string_view item);

// Send_1Mess: sends the items in order; a pause item waits, any other waits half a second
// and is pressed with SendKeys. Stops at the first item that fails, or, when `still_in_front`
// is given, at the first key item before which it answers false (the user has switched to
// another window meanwhile, which must not get the keys); false then.
bool SendKeyString(std::u16string_view keys, Keyboard& keyboard, const Clock& clock,
                   const std::function<bool()>& still_in_front = {});

}  // namespace torvane
