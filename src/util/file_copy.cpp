#include <fstream>
#include <string>
#include <system_error>

#include "platform/file_times.h"
#include "util/files.h"

namespace torvane {
namespace {

constexpr std::size_t kBlockSize = 4096;

// A name beside p that no file has yet.
std::filesystem::path FreeNameBeside(const std::filesystem::path& p) {
    std::error_code ec;
    for (int k = 0;; ++k) {
        std::filesystem::path candidate = p;
        candidate += ".~tmp" + std::to_string(k);
        if (!std::filesystem::exists(candidate, ec) && !ec) return candidate;
    }
}

// Moves the complete temporary file over target; removes it when that fails.
bool ReplaceWith(const std::filesystem::path& temporary, const std::filesystem::path& target) {
    std::error_code ec;
    std::filesystem::rename(temporary, target, ec);
    if (!ec) return true;
    std::filesystem::remove(temporary, ec);
    return false;
}

void Discard(const std::filesystem::path& temporary) {
    std::error_code ec;
    std::filesystem::remove(temporary, ec);
}

// Copies in to out block by block; false when a read or a write fails.
bool CopyBlocks(std::ifstream& in, std::ofstream& out) {
    char block[kBlockSize];
    for (;;) {
        in.read(block, kBlockSize);
        const std::streamsize got = in.gcount();
        if (got == 0) break;
        if (!out.write(block, got)) return false;
    }
    return !in.bad();
}

}  // namespace

bool WriteFileAtomic(const std::filesystem::path& p, std::string_view bytes) {
    const std::filesystem::path temporary = FreeNameBeside(p);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out.fail()) {
            Discard(temporary);
            return false;
        }
    }
    return ReplaceWith(temporary, p);
}

bool FileCopy(const std::filesystem::path& src, const std::filesystem::path& dst) {
    if (!FileThere(src)) return false;
    const std::optional<FileTimes> times = GetFileTimes(src);
    const std::filesystem::path temporary = FreeNameBeside(dst);
    {
        std::ifstream in(src, std::ios::binary);
        if (!in) return false;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        const bool copied = CopyBlocks(in, out);
        out.close();
        if (!copied || out.fail()) {
            Discard(temporary);
            return false;
        }
    }
    if (!ReplaceWith(temporary, dst)) return false;
    if (times) SetFileTimes(dst, *times);
    return true;
}

}  // namespace torvane
