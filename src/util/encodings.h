#pragma once
#include <string>
#include <string_view>

namespace torvane {

// Bytes of s in the system's ANSI code page (Shift-JIS on Japanese Windows), the encoding of
// the settings file; characters the code page lacks become "?".
std::string StrToAnsi(std::u16string_view s);
// Text of ANSI bytes up to the first 0 byte.
std::u16string AnsiToStr(std::string_view b);
// Text of all the ANSI bytes, as the code page decodes them. Single bytes and two-byte characters
// come from a table made once from the code page; bytes it does not cover go to the code page.
std::u16string DecodeAnsiBytes(std::string_view b);
// Number of ANSI bytes of s.
int AnsiLen(std::u16string_view s);

// The same in Shift-JIS (code page 932) on every machine: the texts of figure streams, JWS and
// JWK files, whatever the system's ANSI code page is.
std::string StrToSjis(std::u16string_view s);
std::u16string SjisToStr(std::string_view b);
std::u16string DecodeSjisBytes(std::string_view b);
// The same into `out`, whose memory is reused.
void DecodeSjisBytesInto(std::string_view b, std::u16string& out);

// UTF-8 bytes of s; an unpaired surrogate becomes U+FFFD.
std::string StrToUtf8(std::u16string_view s);
// Text of UTF-8 bytes up to the first 0 byte; "?" when those bytes are not valid UTF-8
// (overlong forms, encoded surrogates and values above U+10FFFF are invalid).
std::u16string Utf8ToStr(std::string_view b);

// UTF-16LE bytes of s.
std::string StrToUtf16(std::u16string_view s);
// Text of UTF-16LE bytes read two at a time, up to the first 0 character (a last odd byte is ignored).
std::u16string Utf16ToStr(std::string_view b);

// Two uppercase hexadecimal digits per byte, stopping before the first 0 byte.
std::u16string BytesToHex(std::string_view b);
// One byte per pair of characters, each pair read as hexadecimal (a malformed pair gives 0,
// an odd last character is ignored), followed by one 0 byte.
std::string HexToBytes(std::u16string_view s);

// The form in which names are stored in the settings file: "abc" ↔ "616263".
std::u16string StrToHexUtf8(std::u16string_view s);
std::u16string HexUtf8ToStr(std::u16string_view h);

}  // namespace torvane
