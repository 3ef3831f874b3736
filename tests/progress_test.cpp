// Uncovering the reward picture word by word, and the win.
#include "fixture.h"

namespace {

class ProgressTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Start();
    }

    // The first row of the picture area that shows the hidden picture; the
    // rows below it must show it too, the rows above the board colour.
    int UncoveredTop()
    {
        const QImage shown = form->Image2.Canvas().Image();
        const QImage hidden = form->ImageP1.Canvas().Image();
        int top = 299;
        while (top > 0 && shown.copy(0, top - 1, 400, 1) == hidden.copy(0, top - 1, 400, 1))
            --top;
        QImage blank(400, top, QImage::Format_RGB32);
        blank.fill(ToQRgb(BackColor));
        EXPECT_EQ(shown.copy(0, 0, 400, top), blank) << "rows above the strip stay covered";
        return top;
    }
};

} // namespace

TEST_F(ProgressTest, StripsGrowFromTheBottomByTarget)
{
    const struct {
        int target;
        std::vector<int> tops;
    } cases[] = {
        {3, {200, 100, 0}},
        {5, {240, 180, 120, 60, 0}},
        {6, {250, 200, 150, 100, 50, 0}},
        {10, {270, 240, 210, 180, 150, 120, 90, 60, 30, 0}},
        {30, {290, 280, 270, 260, 250, 240, 230, 220, 210, 200, 190, 180, 170, 160, 150, 140, 130, 120, 110,
                 100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 0}},
    };
    for (const auto& c : cases) {
        Start();
        form->DanUD.SetPosition(c.target);
        for (std::size_t i = 0; i < c.tops.size(); ++i) {
            form->AdvanceProgress();
            EXPECT_EQ(UncoveredTop(), c.tops[i]) << "target " << c.target << " count " << i + 1;
            const bool won = int(i) + 1 == c.target;
            EXPECT_EQ(form->Label2.Visible(), won);
            EXPECT_EQ(form->Timer1.Enabled(), !won);
            EXPECT_EQ(form->Timer2.Enabled(), !won);
        }
    }
}

TEST_F(ProgressTest, TheCaptionFollowsTheTargetAtTheWin)
{
    for (int target : {3, 4, 5, 6, 7, 30}) {
        Start();
        form->DanUD.SetPosition(target);
        for (int i = 0; i < target; ++i)
            form->AdvanceProgress();
        EXPECT_EQ(form->Label2.Caption(), target > 5 ? "祝！入学！！" : "祝！合格！！") << target;
        EXPECT_TRUE(form->Label2.Visible());
    }
}

TEST_F(ProgressTest, WordsAfterTheWinStillCountButDoNotWinAgain)
{
    form->DanUD.SetPosition(5);
    for (int i = 0; i < 5; ++i)
        form->AdvanceProgress();
    ASSERT_TRUE(form->Label2.Visible());
    form->Label2.SetCaption("marker");
    form->AdvanceProgress();
    EXPECT_EQ(ClearCount, 6);
    EXPECT_EQ(UncoveredTop(), 0);
    EXPECT_EQ(form->Label2.Caption(), "marker") << "no second win";
    EXPECT_FALSE(form->Timer1.Enabled());
}

TEST_F(ProgressTest, ChangingTheTargetDuringAGame)
{
    form->DanUD.SetPosition(10);
    for (int i = 0; i < 4; ++i)
        form->AdvanceProgress();
    EXPECT_EQ(UncoveredTop(), 180);

    // Lowered to the count: the next word uncovers everything but does not win.
    form->DanUD.SetPosition(4);
    form->AdvanceProgress();
    EXPECT_EQ(UncoveredTop(), 0);
    EXPECT_FALSE(form->Label2.Visible());
    EXPECT_TRUE(form->Timer1.Enabled());

    // Raised again: nothing uncovered is covered, and the count can meet it.
    form->DanUD.SetPosition(7);
    form->AdvanceProgress();
    EXPECT_EQ(UncoveredTop(), 0);
    EXPECT_FALSE(form->Label2.Visible());
    form->AdvanceProgress();
    EXPECT_TRUE(form->Label2.Visible()) << "count 7 meets target 7";
    EXPECT_EQ(form->Label2.Caption(), "祝！入学！！");
}

TEST_F(ProgressTest, LoweringTheTargetToOneMoreThanTheCountWinsAtTheNextWord)
{
    form->DanUD.SetPosition(20);
    for (int i = 0; i < 2; ++i)
        form->AdvanceProgress();
    form->DanUD.SetPosition(3);
    form->AdvanceProgress();
    EXPECT_TRUE(form->Label2.Visible());
    EXPECT_EQ(form->Label2.Caption(), "祝！合格！！");
}

TEST_F(ProgressTest, AWinInsideTheWordScanStillPlacesTheNextPiece)
{
    form->ErasePiece();
    SetBoard(Rows({{0, "R0O F0O R1O F1O "}}));
    form->DanUD.SetPosition(3);
    ClearCount = 2;
    form->SpawnPiece();
    EXPECT_EQ(ClearCount, 4) << "both words counted, the second after the win";
    EXPECT_TRUE(form->Label2.Visible());
    EXPECT_FALSE(form->Timer1.Enabled());
    EXPECT_EQ(CellKind[6][14], Ring) << "the next piece is still drawn";
    ExpectBoardShowsGrids();
}
