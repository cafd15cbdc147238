#include "util/era_date.h"

#include <span>

#include "util/numbers.h"

namespace torvane {
namespace {

struct Era {
    long first_after;  // the era holds dates D > first_after (D = yyyymmdd)
    std::u16string_view name;
    int year_offset;   // era year = western year - year_offset
};

// Newest first; the first era whose start the date has reached is taken.
constexpr Era kEras[] = {
    {20190500, u"令和", 2018},
    {19890107, u"平成", 1988},
    {19261224, u"昭和", 1925},
    {19120729, u"大正", 1911},
    {18681022, u"明治", 1867},
};

}  // namespace

JapaneseEra EraOf(const LocalTime& t, bool reiwa) {
    const long date = static_cast<long>(t.year) * 10000 + t.month * 100 + t.day;
    const std::span<const Era> eras = reiwa ? std::span(kEras) : std::span(kEras).subspan(1);
    for (const Era& era : eras) {
        if (date > era.first_after) return {std::u16string(era.name), t.year - era.year_offset};
    }
    return {};
}

EraDateText EraDate(const LocalTime& t) {
    const JapaneseEra era = EraOf(t);
    return {IntStr(t.year), era.name, era.year == 0 ? std::u16string() : IntStr(era.year)};
}

}  // namespace torvane
