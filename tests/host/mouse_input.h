#pragma once
#include <windows.h>

namespace torvane::test {

// Mouse input as a user gives it: each event carries its screen position, so that it lands
// where it was aimed whatever moved the pointer meanwhile.
void MouseButton(POINT screen, DWORD flags);
void ClickAt(POINT screen, bool right = false);

}  // namespace torvane::test
