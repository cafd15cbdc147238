#include "platform/file_times.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace torvane {
namespace {

// Seconds between 1601-01-01 and 1970-01-01.
constexpr std::int64_t kEpochDelta = 11644473600LL;

std::int64_t Ticks(const struct statx_timestamp& t) {
    return (static_cast<std::int64_t>(t.tv_sec) + kEpochDelta) * 10000000 + t.tv_nsec / 100;
}

struct timespec TimespecOf(std::int64_t ticks) {
    std::int64_t seconds = ticks / 10000000 - kEpochDelta;
    std::int64_t rest = ticks % 10000000;
    if (rest < 0) {
        rest += 10000000;
        --seconds;
    }
    return {static_cast<time_t>(seconds), static_cast<long>(rest * 100)};
}

}  // namespace

std::optional<FileTimes> GetFileTimes(const std::filesystem::path& path) {
    struct statx st {};
    if (statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &st) != 0) return std::nullopt;
    FileTimes times;
    times.access = Ticks(st.stx_atime);
    times.write = Ticks(st.stx_mtime);
    times.creation = (st.stx_mask & STATX_BTIME) ? Ticks(st.stx_btime) : times.write;
    return times;
}

bool SetFileTimes(const std::filesystem::path& path, const FileTimes& times) {
    const struct timespec stamps[2] = {TimespecOf(times.access), TimespecOf(times.write)};
    return utimensat(AT_FDCWD, path.c_str(), stamps, 0) == 0;
}

}  // namespace torvane
