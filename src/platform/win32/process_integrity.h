#pragma once
#include <windows.h>

#include <optional>

namespace torvane {

// The mandatory integrity level of a process's token (SECURITY_MANDATORY_MEDIUM_RID, _HIGH_RID
// ...); nothing when it cannot be read.
std::optional<DWORD> IntegrityLevelOf(HANDLE process);

// True when the window's process runs at a higher integrity level than this process, so that
// Windows drops the keys this process synthesises for it. A process whose level cannot be read
// (opening it or its token is refused, as for a program run as administrator by a standard
// process) counts as higher.
bool RunsAboveThisProcess(HWND window);

}  // namespace torvane
