#include "platform/win32/process_integrity.h"

#include <vector>

namespace torvane {

std::optional<DWORD> IntegrityLevelOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    std::optional<DWORD> level;
    if (size >= sizeof(TOKEN_MANDATORY_LABEL) && GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) {
        const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
        if (IsValidSid(sid) && *GetSidSubAuthorityCount(sid) > 0)
            level = *GetSidSubAuthority(sid, static_cast<DWORD>(*GetSidSubAuthorityCount(sid) - 1));
    }
    CloseHandle(token);
    return level;
}

bool RunsAboveThisProcess(HWND window) {
    DWORD process_id = 0;
    if (GetWindowThreadProcessId(window, &process_id) == 0) return false;
    if (process_id == GetCurrentProcessId()) return false;
    const std::optional<DWORD> ours = IntegrityLevelOf(GetCurrentProcess());
    if (!ours) return false;
    // The limited right suffices on Windows; the full one is asked for where only it opens the token.
    std::optional<DWORD> theirs;
    bool opened = false;
    for (const DWORD access : {PROCESS_QUERY_LIMITED_INFORMATION, PROCESS_QUERY_INFORMATION}) {
        HANDLE process = OpenProcess(access, FALSE, process_id);
        if (process == nullptr) continue;
        opened = true;
        theirs = IntegrityLevelOf(process);
        CloseHandle(process);
        if (theirs) break;
    }
    if (!opened) return GetLastError() == ERROR_ACCESS_DENIED;
    return !theirs || *theirs > *ours;
}

}  // namespace torvane
