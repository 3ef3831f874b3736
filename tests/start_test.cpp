// Starting a game from every state, and quitting.
#include "fixture.h"

#include "toolkit/jpeg.h"
#include "toolkit/runtime.h"

#include <QApplication>
#include <QCursor>

#include <set>

namespace {

// Which picture ImageP1 holds: 1..10, or 0 for none of them.
int HiddenPictureNumber(TForm1& form)
{
    static std::vector<QImage> pictures = [] {
        std::vector<QImage> decoded(11);
        for (int i = 1; i <= 10; ++i) {
            TJPEGImage picture;
            TResourceStream stream(HInstance, "JPEG" + std::to_string(i), "JPEG");
            picture.LoadFromStream(stream);
            decoded[i] = picture.Image();
        }
        return decoded;
    }();
    for (int i = 1; i <= 10; ++i)
        if (form.ImageP1.Canvas().Image() == pictures[i])
            return i;
    return 0;
}

class StartTest : public GameTest {
protected:
    void ExpectFreshGame()
    {
        EXPECT_FALSE(form->Label1.Visible());
        EXPECT_FALSE(form->Label2.Visible());
        EXPECT_TRUE(form->Timer1.Enabled());
        EXPECT_TRUE(form->Timer2.Enabled());
        EXPECT_EQ(form->Timer1.Interval(), 550 - form->TimeUD.Position());
        EXPECT_EQ(form->ShoyouE.Text(), "");
        EXPECT_EQ(ClearCount, 0);
        EXPECT_EQ(StartClock, ticks);
        EXPECT_EQ(PieceX, 6);
        EXPECT_EQ(PieceY, 14);
        // The picture area is blank and only the new piece is on the board.
        const QImage shown = form->Image2.Canvas().Image();
        QImage blank(400, 299, QImage::Format_RGB32);
        blank.fill(ToQRgb(BackColor));
        EXPECT_EQ(shown, blank);
        int tiles = 0;
        for (int x = 0; x < BoardColumns; ++x)
            for (int y = 0; y < BoardRows; ++y)
                tiles += CellKind[x][y] != Empty;
        EXPECT_EQ(tiles, 2);
        EXPECT_NE(HiddenPictureNumber(*form), 0);
        ExpectBoardShowsGrids();
    }
};

} // namespace

TEST_F(StartTest, AStartFromEveryStateResetsEverything)
{
    // Before the first game.
    ticks = 123;
    Start(50);
    ExpectFreshGame();

    // While running, with tiles and part of the picture uncovered.
    SetBoard(Rows({{0, "R0O F1O O O "}, {1, "O "}}));
    PlacePiece(3, 8, LetterR, 2, DirRight);
    form->AdvanceProgress();
    form->ShoyouE.SetText("    0 分 7 秒");
    ticks = 9000;
    Start(51);
    ExpectFreshGame();

    // After a game over.
    form->ErasePiece();
    SetBoard(Rows({{14, ". . . . . . O "}}));
    form->SpawnPiece();
    ASSERT_TRUE(form->Label1.Visible());
    Start(52);
    ExpectFreshGame();

    // After a win, at a new speed.
    form->DanUD.SetPosition(3);
    for (int i = 0; i < 3; ++i)
        form->AdvanceProgress();
    ASSERT_TRUE(form->Label2.Visible());
    form->TimeUD.SetPosition(500);
    Start(53);
    ExpectFreshGame();
    EXPECT_EQ(form->Timer1.Interval(), 50);
    form->TimeUD.SetPosition(50);
    Start(54);
    EXPECT_EQ(form->Timer1.Interval(), 500);
}

TEST_F(StartTest, RewardIsNeverTheTitleAndEveryRewardCanComeUp)
{
    std::set<int> seen;
    for (std::int64_t second = 0; second < 200 && seen.size() < 9; ++second) {
        Start(second);
        const int number = HiddenPictureNumber(*form);
        ASSERT_GE(number, 2) << "second " << second;
        seen.insert(number);
    }
    EXPECT_EQ(seen.size(), 9u);
}

TEST_F(StartTest, TwoStartsInOneSecondChooseTheSamePictureAndFirstPiece)
{
    Start(777);
    const int picture = HiddenPictureNumber(*form);
    const int kind = PieceKind, base = PieceBaseTurn, dir = PieceDir;
    Start(777);
    EXPECT_EQ(HiddenPictureNumber(*form), picture);
    EXPECT_EQ(PieceKind, kind);
    EXPECT_EQ(PieceBaseTurn, base);
    EXPECT_EQ(PieceDir, dir);
}

TEST_F(StartTest, FirstPieceKindIsTheOtherOfTheDrawnOne)
{
    std::set<int> kinds;
    for (std::int64_t second = 0; second < 30; ++second) {
        Start(second);
        // Replay the draws: the picture, then the kind the spawn flips.
        SeedRandom(std::uint32_t(second));
        NextRandom();
        const int drawn = NextRandom() % 2 + 1;
        EXPECT_EQ(PieceKind, drawn % 2 + 1) << "second " << second;
        kinds.insert(PieceKind);
    }
    EXPECT_EQ(kinds.size(), 2u);
}

TEST_F(StartTest, EveryStartMovesThePointer100PixelsDown)
{
    QCursor::setPos(200, 300);
    if (QCursor::pos() != QPoint(200, 300))
        GTEST_SKIP() << "this platform does not move the pointer";
    Start();
    EXPECT_EQ(QCursor::pos(), QPoint(200, 400));
    form->Button1.Click();   // as the keyboard or a click would
    EXPECT_EQ(QCursor::pos(), QPoint(200, 500));
}

TEST_F(StartTest, QuitClosesTheWindowEvenDuringAGame)
{
    form->Show();
    Start();
    ASSERT_TRUE(form->Window()->isVisible());
    form->Button2.Click();
    EXPECT_FALSE(form->Window()->isVisible());
}
