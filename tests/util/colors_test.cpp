#include <gtest/gtest.h>

#include "util/colors.h"
#include "util/wait.h"

namespace torvane {
namespace {

TEST(ColorTest, WindowsColourAndArgbPacking) {
    EXPECT_EQ(RgbToColor(0x12, 0x34, 0x56), 0x00563412u);
    EXPECT_EQ(RgbToArgb(0x12, 0x34, 0x56), 0xFF123456u);
    EXPECT_EQ(SplitBytes(0x80123456u), (std::array<std::uint8_t, 4>{0x80, 0x12, 0x34, 0x56}));
    EXPECT_EQ(ColorToArgb(0x00563412u), 0xFF123456u);
    EXPECT_EQ(ColorToArgb(0x02563412u), 0xFF123456u);
    EXPECT_EQ(ArgbToColor(0x40123456u), 0x00563412u);
}

class RecordingClock final : public Clock {
public:
    LocalTime Now() const override { return {}; }
    void Sleep(std::uint32_t milliseconds) const override { slept += milliseconds; }
    mutable std::uint64_t slept = 0;
};

TEST(WaitSecTest, SleepsThroughTheClockInMilliseconds) {
    RecordingClock clock;
    WaitSec(0.5, clock);
    EXPECT_EQ(clock.slept, 500u);
    WaitSec(0, clock);
    WaitSec(-3, clock);
    WaitSec(0.0001, clock);
    EXPECT_EQ(clock.slept, 500u);
    WaitSec(1e12, clock);
    EXPECT_EQ(clock.slept, 500ULL + 0xFFFFFFFFULL);
}

}  // namespace
}  // namespace torvane
