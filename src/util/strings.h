#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// s in upper or lower case, independent of the process locale: ASCII, Latin-1, Latin Extended-A,
// basic Greek and Cyrillic, and the full-width Latin letters (ａ..ｚ ↔ Ａ..Ｚ).
std::u16string UpperStr(std::u16string_view s);
std::u16string LowerStr(std::u16string_view s);

// 0-based index of the first occurrence of sub in s; -1 when absent.
int PosIdx(std::u16string_view sub, std::u16string_view s);

// n characters of s from index i (a negative i counts as 0); empty beyond the end.
std::u16string MidStr(std::u16string_view s, int i, int n);
// All characters of s from index i to the end.
std::u16string MidFrom(std::u16string_view s, int i);

// 1 when s[i] is the first unit of a surrogate pair, 2 when it is the second, 0 for any other
// unit, -1 when i is outside s.
int SurrogateAt(std::u16string_view s, int i);

// s repeated n times (empty when n is not positive).
std::u16string RepeatStr(std::u16string_view s, int n);

// s without spaces, ideographic spaces (U+3000) and characters below the space.
std::u16string StripBlanks(std::u16string_view s);
// s without characters below the space.
std::u16string StripCtrl(std::u16string_view s);
// s without the sequences "^m" and "\n" (backslash, n) and without characters below the space;
// a single space when nothing remains.
std::u16string StripBreaks(std::u16string_view s);

// The n-th field (from 1; a smaller n counts as 1) of s split at every single space, empty
// fields included; the last field when s has fewer fields.
std::u16string NthToken(std::u16string_view s, int n);

// Splits s at "\" and "/" into parts[0], parts[1], ... parts[n] (parts is resized to n + 1,
// a negative n counts as 0). A run of separators ends a part only once. When more parts
// follow than fit, the last part is emptied and reused. Returns the index of the last part.
int SplitPath(std::u16string_view s, std::vector<std::u16string>& parts, int n);

}  // namespace torvane
