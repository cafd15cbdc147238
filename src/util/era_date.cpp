#include "util/jtext.h"
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

EraDateText EraDate(const LocalTime& t) {
    const long date = static_cast<long>(t.year) * 10000 + t.month * 100 + t.day;
    EraDateText text{IntStr(t.year), {}, {}};
    for (const Era& era : kEras) {
        if (date > era.first_after) {
            text.era = era.name;
            text.era_year = IntStr(t.year - era.year_offset);
            break;
        }
    }
    return text;
}

}  // namespace torvane
