// A thousand starts and a quit: in the sanitizer build, LeakSanitizer reports
// at exit anything these left behind.
#include "random_play.h"

#include <gtest/gtest.h>

TEST(Leaks, AThousandStartsAndAQuit)
{
    RandomPlay play;
    TForm1& form = play.Form();
    form.Show();
    // A second apart, so the starts load different pictures.
    const std::vector<PlayEvent> starts(1000, PlayEvent{'S', "", 1000});
    ASSERT_EQ(play.Replay(starts), "");
    ASSERT_TRUE(form.Timer1.Enabled());
    form.Button2.Click();
    EXPECT_FALSE(form.Window()->isVisible());
}
