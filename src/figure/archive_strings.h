#pragma once
#include <string>
#include <string_view>

#include "util/byte_reader.h"
#include "util/byte_writer.h"

namespace torvane {

// Strings in the encoding of an MFC archive (CString): a length prefix, then Shift-JIS bytes
// (Jw_cad's texts, whatever the machine's code page) or, after the mark FF FE FF, UTF-16LE code units.

// Reads one string; false (and the reader's failure) when it cannot be read whole.
// `utf16` is set when the string was stored in UTF-16. The result is cut at its first NUL
// and loses every character below U+0020.
bool ReadArchiveString(ByteReader& in, std::u16string& out, bool& utf16);
// The same for a text of several lines: CR and LF are kept.
bool ReadArchiveText(ByteReader& in, std::u16string& out, bool& utf16);

// Removes "^m", "\n" (backslash, n) and every character below U+0020; an empty result becomes " ".
std::u16string CleanArchiveString(std::u16string_view text);

// Writes a cleaned string in Shift-JIS or UTF-16. A string too long for the 16-bit length is cut
// to the longest prefix of whole characters that fits.
void WriteArchiveString(ByteWriter& out, std::u16string_view text, bool utf16);

// Shift-JIS conversion with a fast path for plain ASCII; the decoded text replaces the
// content of `out`, whose memory is reused.
void DecodeSjis(std::string_view bytes, std::u16string& out);
std::string EncodeSjis(std::u16string_view text);

}  // namespace torvane
