#include <windows.h>

#include "platform/file_times.h"

namespace torvane {
namespace {

std::int64_t Ticks(const FILETIME& ft) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

FILETIME Time(std::int64_t ticks) {
    const auto value = static_cast<std::uint64_t>(ticks);
    return {static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
}

HANDLE OpenForTimes(const std::filesystem::path& path, DWORD access) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::optional<FileTimes> GetFileTimes(const std::filesystem::path& path) {
    HANDLE file = OpenForTimes(path, GENERIC_READ);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    FILETIME creation{}, access{}, write{};
    const bool ok = GetFileTime(file, &creation, &access, &write);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return FileTimes{Ticks(creation), Ticks(access), Ticks(write)};
}

bool SetFileTimes(const std::filesystem::path& path, const FileTimes& times) {
    HANDLE file = OpenForTimes(path, FILE_WRITE_ATTRIBUTES);
    if (file == INVALID_HANDLE_VALUE) return false;
    const FILETIME creation = Time(times.creation), access = Time(times.access), write = Time(times.write);
    const bool ok = SetFileTime(file, &creation, &access, &write);
    CloseHandle(file);
    return ok;
}

}  // namespace torvane
