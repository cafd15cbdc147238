#include "util/files.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <system_error>
#include <vector>

#include "platform/file_times.h"
#include "util/strings.h"

namespace torvane {
namespace {

bool HasWildcards(const std::u16string& name) { return name.find_first_of(u"*?") != std::u16string::npos; }

char16_t FoldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c; }

bool WildcardMatch(std::u16string_view pattern, std::u16string_view name) {
    std::size_t p = 0, n = 0, star = std::u16string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || FoldAscii(pattern[p]) == FoldAscii(name[n]))) {
            ++p, ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            resume = n;
        } else if (star != std::u16string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

std::optional<std::filesystem::path> FirstMatch(const std::filesystem::path& p) {
    const std::u16string pattern = PathText(p.filename());
    if (!HasWildcards(pattern)) {
        if (FileThere(p)) return p;
        return std::nullopt;
    }
    std::error_code ec;
    const std::filesystem::path folder = p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
    std::vector<std::filesystem::path> matches;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && WildcardMatch(pattern, PathText(it->path().filename())))
            matches.push_back(it->path());
    }
    if (matches.empty()) return std::nullopt;
    return *std::min_element(matches.begin(), matches.end());
}


constexpr std::size_t kBlockSize = 4096;

// A name beside p that no file has yet. When the folder cannot be searched (a name too long,
// no permission) the search ends there: writing the name then fails and the caller reports it.
std::filesystem::path FreeNameBeside(const std::filesystem::path& p) {
    constexpr int kAttempts = 1000;
    std::error_code ec;
    for (int k = 0; k < kAttempts; ++k) {
        std::filesystem::path candidate = p;
        candidate += ".~tmp" + std::to_string(k);
        if (!std::filesystem::exists(candidate, ec)) return candidate;
    }
    // Every name is taken by leftovers of earlier runs: reuse the first one.
    std::filesystem::path first = p;
    first += ".~tmp0";
    return first;
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

bool FileThere(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

bool FolderThere(const std::filesystem::path& p) {
    std::error_code ec;
    return !p.empty() && std::filesystem::is_directory(p, ec);
}

bool FileDelete(const std::filesystem::path& p) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(p, ec)) return false;
    return std::filesystem::remove(p, ec);
}

bool FileDateSize(const std::filesystem::path& p, LocalTime& time, std::uintmax_t& size) {
    time = LocalTime{};
    size = 0;
    const std::optional<std::filesystem::path> file = FirstMatch(p);
    if (!file) return false;
    const std::optional<FileTimes> times = GetFileTimes(*file);
    std::error_code ec;
    const std::uintmax_t bytes = std::filesystem::file_size(*file, ec);
    if (!times || ec) return false;
    time = LocalTimeOfFileTime(times->write);
    size = bytes;
    return true;
}

std::u16string PathText(const std::filesystem::path& p) {
    try {
        return p.u16string();
    } catch (const std::exception&) {
        return {};
    }
}

std::filesystem::path PathOfText(std::u16string_view text) {
    try {
        return std::filesystem::path(std::u16string(text));
    } catch (const std::exception&) {
        return {};
    }
}

std::u16string NameOf(const std::filesystem::path& p) { return PathText(p.filename()); }

std::u16string ExtOf(const std::filesystem::path& p) { return LowerStr(PathText(p.filename().extension())); }

std::filesystem::path ChangeExt(const std::filesystem::path& p, std::u16string_view e) {
    if (!p.has_filename()) return {};
    std::filesystem::path out = p;
    out.replace_extension(std::filesystem::path(std::u16string(e)));
    return out;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& p, std::size_t limit) {
    std::string bytes;
    if (!ReadFileInto(p, bytes, limit)) return std::nullopt;
    return bytes;
}

bool ReadFileInto(const std::filesystem::path& p, std::string& bytes, std::size_t limit) {
    constexpr std::size_t kBlock = 1 << 16;
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        bytes.clear();
        return false;
    }
    // The whole file at once, then on in blocks should it have grown. The string is not emptied
    // first: growing it again over its old size would fill that part with zeros to no purpose.
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(p, ec);
    std::size_t chunk = ec ? kBlock : static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit)) + 1;
    std::size_t at = 0;
    while (at < limit && in) {
        const std::size_t n = std::min(chunk, limit - at);
        bytes.resize(at + n);
        in.read(bytes.data() + at, static_cast<std::streamsize>(n));
        at += static_cast<std::size_t>(in.gcount());
        chunk = kBlock;
    }
    bytes.resize(at);
    return !in.bad();
}

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
