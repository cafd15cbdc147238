#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace torvane {

// The path names an existing regular file.
bool FileThere(const std::filesystem::path& p);
// The path is not empty and names an existing folder.
bool FolderThere(const std::filesystem::path& p);

// Deletes the file; false when it could not be deleted (or was no file).
bool FileDelete(const std::filesystem::path& p);

// Copies src to dst in blocks of 4096 bytes and gives dst the creation, access and write times
// of src. The copy is written beside dst and replaces it only when complete, so a failure leaves
// dst as it was and no partial file; nothing is created when src cannot be opened. Copying a file
// onto itself leaves it intact. True on success; no error escapes.
bool FileCopy(const std::filesystem::path& src, const std::filesystem::path& dst);

// Modification time (local time) and size of the first file matching p, whose file name may hold
// the wildcards "*" and "?" (matched without regard to ASCII case; the first match in name order).
// When no file matches: false, time the zero date 1899-12-30 00:00 (LocalTime{}) and size 0.
bool FileDateSize(const std::filesystem::path& p, LocalTime& time, std::uintmax_t& size);

// p as text; empty when p is no valid text in the system's encoding (possible for names
// read from a folder on a POSIX system).
std::u16string PathText(const std::filesystem::path& p);
// The path written in text; empty when the text names none (an unpaired surrogate).
std::filesystem::path PathOfText(std::u16string_view text);
// File name of p; empty when p has none.
std::u16string NameOf(const std::filesystem::path& p);
// Extension of p's file name with its dot, in lower case (".jws"); empty when it has none.
std::u16string ExtOf(const std::filesystem::path& p);
// p with its extension replaced by e (".bmp"; an empty e removes it); empty when p has no file name.
std::filesystem::path ChangeExt(const std::filesystem::path& p, std::u16string_view e);

// Writes bytes to a temporary file beside p and then replaces p with it; on failure p keeps its
// old content and no temporary file remains.
bool WriteFileAtomic(const std::filesystem::path& p, std::string_view bytes);

// Up to `limit` bytes from the start of a file (the whole file by default); nothing when it
// cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& p,
                                         std::size_t limit = std::numeric_limits<std::size_t>::max());
// The same into `bytes`, whose memory is reused; false when the file cannot be opened or read.
bool ReadFileInto(const std::filesystem::path& p, std::string& bytes,
                  std::size_t limit = std::numeric_limits<std::size_t>::max());

}  // namespace torvane
