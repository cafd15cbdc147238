// Peak memory of a process that reads the stream of a million entities of a real drawing's mix
// once (TJcfData::FileIn): the stream is written and read by two child processes of this small
// one, and the reader's peak resident set is printed.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "bench/synthetic_stream.h"
#include "figure/jcf_data.h"
#include "support/test_files.h"

namespace {

// Runs `work` in a child process; its peak resident set in kilobytes, -1 when it failed.
template <class Work>
long InChild(Work work) {
    const pid_t child = fork();
    if (child == 0) _exit(work() ? 0 : 1);
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

}  // namespace

int main() {
    const torvane::test::TempDir dir;
    const std::filesystem::path file = dir / "quarter.1";
    if (InChild([&] {
            torvane::test::WriteBytes(file, torvane::bench::QuarterMixStream(1'000'000));
            return true;
        }) < 0)
        return 1;
    const long peak_kb = InChild([&] { return torvane::TJcfData().FileIn(file); });
    if (peak_kb < 0) return 1;
    std::printf("peak resident set of one read of the quarter-each stream (%ju bytes): %.1f MB\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(file)), static_cast<double>(peak_kb) / 1024);
    return 0;
}
