#pragma once
#include <string>

#include "platform/clock.h"

namespace torvane {

// A date in the Japanese calendar: western year, era name and year of the era as decimal
// texts; era name and era year are empty before the Meiji era.
struct EraDateText {
    std::u16string year;
    std::u16string era;
    std::u16string era_year;
    bool operator==(const EraDateText&) const = default;
};

EraDateText EraDate(const LocalTime& t);

// The era of a date: its name and year, or no name and year 0 before the Meiji era. Without
// `reiwa` the newest era is left out (dates after April 2019 stay in Heisei).
struct JapaneseEra {
    std::u16string name;
    int year = 0;
};
JapaneseEra EraOf(const LocalTime& t, bool reiwa = true);

}  // namespace torvane
