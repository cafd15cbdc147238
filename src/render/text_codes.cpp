#include "render/text_codes.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "util/era_date.h"
#include "util/numbers.h"
#include "util/strings.h"
#include "util/text_widths.h"

namespace torvane {
namespace {

std::u16string Ascii(std::string_view s) { return {s.begin(), s.end()}; }

std::u16string Number(int n) { return Ascii(std::to_string(n)); }

// c followed by s.
std::u16string Prefixed(char16_t c, const std::u16string& s) {
    std::u16string out(1, c);
    out += s;
    return out;
}

// One- and two-digit numbers filled by the code's prefix: "&" and "_" put a blank before a
// one-digit number, "%" and "=" a "0", "$" nothing.
std::u16string Padded(char16_t prefix, int n) {
    std::u16string digits = Number(n);
    if (digits.size() == 1) {
        if (prefix == u'&' || prefix == u'_') {
            return Prefixed(u' ', digits);
        }
        if (prefix == u'%' || prefix == u'=') {
            return Prefixed(u'0', digits);
        }
    }
    return digits;
}

std::u16string BlankPadded(int n) { return n < 10 ? Prefixed(u' ', Number(n)) : Number(n); }
std::u16string ZeroPadded(int n) { return n < 10 ? Prefixed(u'0', Number(n)) : Number(n); }

std::u16string EraYearText(const JapaneseEra& era) {
    if (era.year == 0) return {};
    return era.year == 1 ? u"元" : Number(era.year);
}

// An era year of one digit: a blank after it for "$", before it for "&" and "_", a "0"
// before it for "%" and "=".
std::u16string PaddedEraYear(char16_t prefix, std::u16string year) {
    if (year.size() != 1 || year[0] < u'0' || year[0] > u'9') return year;
    if (prefix == u'$') return year + u" ";
    if (prefix == u'&' || prefix == u'_') return Prefixed(u' ', year);
    return Prefixed(u'0', year);
}

int Weekday(const LocalTime& t) {  // 0 Sunday
    int y = t.year;
    int m = t.month;
    if (m < 3) {
        m += 12;
        --y;
    }
    const int k = y % 100;
    const int j = y / 100;
    const int h = (t.day + 13 * (m + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;  // 0 Saturday
    return (h + 6) % 7;
}

std::u16string SlashDate(const LocalTime& t) {
    return Number(t.year) + u"/" + BlankPadded(t.month) + u"/" + BlankPadded(t.day);
}

std::u16string JapaneseDateText(const LocalTime& t) {
    const JapaneseEra era = EraOf(t, true);
    return era.name + EraYearText(era) + u"年" + BlankPadded(t.month) + u"月" + BlankPadded(t.day) + u"日";
}

// The parts of a path split at "\\" and "/"; a run of separators splits once.
std::vector<std::u16string> PathParts(std::u16string_view path) {
    std::vector<std::u16string> parts;
    const int last = SplitPath(path, parts, static_cast<int>(path.size()));
    parts.resize(static_cast<std::size_t>(last) + 1);
    return parts;
}

std::u16string NameWithExtension(std::u16string_view path) { return PathParts(path).back(); }

std::u16string NameWithoutExtension(std::u16string_view path) {
    std::u16string name = NameWithExtension(path);
    const std::size_t dot = name.rfind(u'.');
    if (dot != std::u16string::npos) name.resize(dot);
    return name;
}

std::u16string Folder(std::u16string_view path, int n) {
    const std::vector<std::u16string> parts = PathParts(path);
    const int k = static_cast<int>(parts.size()) - 1;
    return parts[static_cast<std::size_t>(k - n < 0 ? 0 : k - n)];
}

std::u16string WeekdayName(const LocalTime& t) {
    static constexpr std::array<const char16_t*, 7> names{u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
    return names[static_cast<std::size_t>(Weekday(t))];
}

std::u16string ScaleText(double s, double v, bool with_one) {
    if (s >= 1) return (with_one ? u"1/" : u"") + GeneralNumber(s);
    return GeneralNumber(v) + (with_one ? u"/1" : u"");
}

bool IsPrefix(char16_t ch) { return ch == u'$' || ch == u'&' || ch == u'%' || ch == u'_' || ch == u'='; }

bool IsEraYearPattern(std::u16string_view rest) {
    static constexpr std::array<std::u16string_view, 11> patterns{
        u"GＧE", u"GGＥ", u"GGE", u"GＧＥE", u"GＧEＥ", u"GＧEE", u"GGＥＥ", u"GGＥE", u"GGEＥ", u"GGEE", u"E"};
    for (std::u16string_view p : patterns) {
        if (rest == p) return true;
    }
    return rest == u"G";
}

std::optional<std::u16string> ExpandFileCode(char16_t prefix, std::u16string_view rest, const TextCodeContext& c) {
    const bool now_source = prefix == u'$' || prefix == u'&' || prefix == u'%';
    if (now_source && rest == u"F") return c.file_name;
    if (now_source && rest.size() == 2 && rest[0] == u'F' && rest[1] >= u'1' && rest[1] <= u'9') {
        return Folder(c.file_name, rest[1] - u'0');
    }
    if (prefix == u'%' && rest == u"f") return NameWithExtension(c.file_name);
    if ((prefix == u'$' || prefix == u'&') && rest == u"f") return NameWithoutExtension(c.file_name);
    if (prefix == u'&' && rest.size() >= 3 && rest.size() <= 7 && rest.substr(0, 2) == u"fs") {
        int k = 0;
        for (char16_t ch : rest.substr(2)) {
            if (ch < u'0' || ch > u'9') return std::nullopt;
            k = k * 10 + (ch - u'0');
        }
        if (k < 1) return std::nullopt;
        const std::u16string name = NameWithoutExtension(c.file_name);
        return k <= 9 ? NthToken(name, k) : name;
    }
    if (prefix == u'%' && rest.size() == 2 && rest[0] == u'f') {
        int k = 0;
        if (rest[1] >= u'1' && rest[1] <= u'9') k = rest[1] - u'0';
        if (rest[1] >= u'a' && rest[1] <= u'f') k = rest[1] - u'a' + 10;
        if (k == 0) return std::nullopt;
        const std::u16string name = NameWithoutExtension(c.file_name);
        std::u16string head;
        int taken = 0;
        for (std::size_t i = 0; i < name.size() && taken < k; ++taken) {
            const std::size_t n = CharUnitsAt(name, i);
            head += name.substr(i, n);
            i += n;
        }
        return head;
    }
    return std::nullopt;
}

std::optional<std::u16string> ExpandDateCode(char16_t prefix, std::u16string_view rest, const TextCodeContext& c) {
    const bool file_source = prefix == u'_' || prefix == u'=';
    const LocalTime& t = file_source ? c.file_date : c.now;
    if (rest == u"F" && prefix == u'_') {
        return SlashDate(t) + u" " + ZeroPadded(t.hour) + u":" + ZeroPadded(t.minute) + u":" + ZeroPadded(t.second);
    }
    if (rest == u"F" && prefix == u'=') {
        return Number(t.year) + u"/" + ZeroPadded(t.month) + u"/" + ZeroPadded(t.day) + u" " + ZeroPadded(t.hour) +
               u":" + ZeroPadded(t.minute) + u":" + ZeroPadded(t.second);
    }
    if (rest == u"f" && prefix == u'_') return SlashDate(t);
    if (rest == u"f" && prefix == u'=') return Number(t.year) + u"/" + ZeroPadded(t.month) + u"/" + ZeroPadded(t.day);
    if (rest == u"j") return SlashDate(t);
    if (rest == u"J") return JapaneseDateText(t);
    if (rest == u"y") {
        const int yy = t.year % 100;
        return prefix == u'$' ? Number(yy) : Padded(prefix, yy);
    }
    if (rest == u"Y") {
        const JapaneseEra era = EraOf(t, false);
        return era.year == 0 ? std::u16string() : PaddedEraYear(prefix, Number(era.year));
    }
    if (IsEraYearPattern(rest)) return PaddedEraYear(prefix, EraYearText(EraOf(t, true)));
    if (rest == u"GＧ") return EraOf(t, true).name;
    if (rest == u"GＧＥ") {
        const JapaneseEra era = EraOf(t, true);
        return era.name + EraYearText(era);
    }
    if (rest == u"GＧＥＥ") {
        const JapaneseEra era = EraOf(t, true);
        return era.name + EraYearText(era) + u"年";
    }
    if (rest == u"m") return Padded(prefix, t.month);
    if (rest == u"d") return Padded(prefix, t.day);
    if (rest == u"w" || rest == u"W") return WeekdayName(t);
    if (rest == u"ma") {
        static constexpr std::array<const char16_t*, 12> months{u"JAN", u"FEB", u"MAR", u"APR", u"MAY", u"JUN",
                                                                u"JUL", u"AUG", u"SEP", u"OCT", u"NOV", u"DEC"};
        return months[static_cast<std::size_t>((t.month + 11) % 12)];
    }
    if (rest == u"wa") {
        static constexpr std::array<const char16_t*, 7> days{u"SUN", u"MON", u"TUE", u"WED", u"THU", u"FRI", u"SAT"};
        return days[static_cast<std::size_t>(Weekday(t))];
    }
    if (rest == u"n") return t.hour < 12 ? u"AM" : u"PM";
    if (rest == u"N") return t.hour < 12 ? u"前" : u"後";
    if (rest == u"h") return Padded(prefix, t.hour % 12);
    if (rest == u"H") return Padded(prefix, t.hour);
    if (rest == u"M") return Padded(prefix, t.minute);
    if (rest == u"S") return Padded(prefix, t.second);
    if (rest == u"T") return c.title;
    return std::nullopt;
}

std::optional<std::u16string> ExpandMemoOrScale(std::u16string_view code, const TextCodeContext& c) {
    if (code == u"%mm") return c.memo;
    if (code == u"%m1") return c.memo1;
    if (code == u"%m2") return c.memo2;
    const double ls = c.layer_scale;
    if (code == u"%SS" || code == u"%ss") {
        return ScaleText(ls, std::floor(10 / ls + 0.5) / 10, code == u"%SS");
    }
    if (code == u"%SP" || code == u"%sp") {
        return ScaleText(ls / c.scale_div, std::floor(c.scale_div * 10 / ls + 0.5) / 10, code == u"%SP");
    }
    return std::nullopt;
}

bool IsDateCodeHead(std::u16string_view s) {
    return s.size() >= 2 && (s[0] == u'$' || s[0] == u'&' || s[0] == u'%' || s[0] == u'=' || s[0] == u'_') &&
           (s[1] == u'J' || s[1] == u'j');
}

}  // namespace

std::u16string GeneralNumber(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return Ascii(buffer);
}

std::optional<std::u16string> ExpandTextCode(std::u16string_view code, const TextCodeContext& context) {
    if (code.size() < 2 || !IsPrefix(code[0])) return std::nullopt;
    if (auto memo = ExpandMemoOrScale(code, context)) return memo;
    const char16_t prefix = code[0];
    const std::u16string_view rest = code.substr(1);
    if (auto file = ExpandFileCode(prefix, rest, context)) return file;
    return ExpandDateCode(prefix, rest, context);
}

DateCodeParameter SplitDateCodeParameter(std::u16string_view text) {
    if (!IsDateCodeHead(text) || text.size() < 3 || text.size() > 8) return {std::u16string(text), 0};
    const int rest = ValInt(text.substr(2));
    return {std::u16string(text.substr(0, 2)), rest >= 1 && rest <= 9 ? rest : 0};
}

double WidenedSpacing(std::u16string_view text, double w, double sp, int cells) {
    const int gaps = TextUnitsButLast(text);
    if (cells <= 0 || gaps <= 0) return sp;
    return sp + 2 * (cells * (w + sp) / 2) / gaps;
}

FittedText ApplyFittingControls(std::u16string_view text, double w, double sp) {
    std::u16string s(text);
    double r = sp * TextUnitsButLast(s) / 2;
    // The closing run: the trailing stretch of "・", "^" and a digit 1..9 right after "^".
    int dots = 0;
    int digit = 0;
    std::size_t i = s.size();
    while (i > 0) {
        const char16_t ch = s[i - 1];
        if (ch == u'・') {
            ++dots;
            --i;
        } else if (ch == u'^') {
            --i;
        } else if (ch >= u'1' && ch <= u'9' && i >= 2 && s[i - 2] == u'^') {
            if (digit == 0) digit = ch - u'0';
            --i;
        } else {
            break;
        }
    }
    if (!s.empty() && s.back() == u'･') {
        s.pop_back();
        const int n = TextUnitsButLast(s);
        if (n > 0) sp = 2 * (w / 2 + r) / n;
        r += w / 2;
    }
    if (dots > 0) {
        s.erase(s.size() >= static_cast<std::size_t>(dots) ? s.size() - static_cast<std::size_t>(dots) : 0);
        const int n = TextUnitsButLast(s);
        if (n > 0) sp = 2 * (dots * w + r) / n;
    }
    if (digit > 0) {
        s.resize(s.size() >= 2 ? s.size() - 2 : 0);
        const int u = TextUnits(s);
        if (u - digit > 1) {
            const double f = static_cast<double>(u - digit) / u;
            w *= f;
            sp *= f;
        }
    }
    return {s, w, sp};
}

}  // namespace torvane
