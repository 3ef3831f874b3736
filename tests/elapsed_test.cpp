// The elapsed-time box.
#include "fixture.h"

#include <climits>

TEST(ElapsedText, MinutesAndSecondsFromTwoClockReadings)
{
    const struct {
        int start;
        int now;
        const char* text;
    } cases[] = {
        {0, 999, "    0 分 0 秒"},
        {1000, 60000, "    0 分 59 秒"},
        {0, 60000, "    1 分 0 秒"},
        {0, 61500, "    1 分 1 秒"},
        {0, (62 * 60 + 5) * 1000, "    62 分 5 秒"},
        // The tick counter wrapping past the largest reading.
        {INT_MAX - 499, INT_MIN + 1500, "    0 分 2 秒"},
        {-5000, 5000, "    0 分 10 秒"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ElapsedText(c.start, c.now), c.text) << c.start << " to " << c.now;
}

namespace {

class ElapsedTest : public GameTest {};

} // namespace

TEST_F(ElapsedTest, TicksShowTheTimeSinceTheStartAndARestartEmptiesTheBox)
{
    ticks = 10000;
    Start();
    EXPECT_EQ(form->ShoyouE.Text(), "");
    ticks = 10000 + 59999;
    form->Timer2Timer(nullptr);
    EXPECT_EQ(form->ShoyouE.Text(), "    0 分 59 秒");
    EXPECT_EQ(NowClock, ticks);
    ticks += 1;
    form->Timer2Timer(nullptr);
    EXPECT_EQ(form->ShoyouE.Text(), "    1 分 0 秒");

    Start();
    EXPECT_EQ(form->ShoyouE.Text(), "") << "empty until the next tick";
    ticks += 3000;
    form->Timer2Timer(nullptr);
    EXPECT_EQ(form->ShoyouE.Text(), "    0 分 3 秒") << "counted from the new start";
}
