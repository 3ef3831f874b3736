// Painting one cell: exactly its 29 x 29 pixels, never the seams, and only
// the top-left 19 x 19 of the tile.
#include "fixture.h"

namespace {

class BoardTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Repaint();
    }

    // A board of one colour that no cell operation uses.
    void Repaint()
    {
        TCanvas& board = form->Image1.Canvas();
        board.Brush.Color = RGB(1, 2, 3);
        board.FillRect(Rect(0, 0, 360, 480));
    }

    // The bounding box of pixels that differ from the untouched board.
    QRect Changed() const
    {
        const QImage board = BoardImage();
        QRect box;
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x)
                if (board.pixel(x, y) != qRgb(1, 2, 3))
                    box |= QRect(x, y, 1, 1);
        return box;
    }
};

} // namespace

TEST_F(BoardTest, EachOperationPaintsExactlyTheCellAndNotItsSeam)
{
    const struct {
        int x, y;
    } cells[] = {{0, 0}, {11, 15}, {6, 14}, {5, 0}, {0, 15}};
    for (const auto& c : cells) {
        for (int op = 0; op < 3; ++op) {
            Repaint();
            if (op == 0)
                form->BlankCell(c.x, c.y);
            else
                form->DrawTile(c.x, c.y, op == 1 ? Ring : LetterF, 3);
            const QRect expected(30 * c.x, 30 * c.y, 29, 29);
            EXPECT_EQ(Changed(), expected) << "cell " << c.x << "," << c.y << " operation " << op;
        }
    }
}

TEST_F(BoardTest, CornerCellsCoverTheirTabulatedPixels)
{
    form->BlankCell(0, 0);
    form->BlankCell(11, 15);
    const QImage board = BoardImage();
    const QRgb back = ToQRgb(BackColor);
    EXPECT_EQ(board.pixel(0, 0), back);
    EXPECT_EQ(board.pixel(28, 28), back);
    EXPECT_NE(board.pixel(29, 28), back);
    EXPECT_NE(board.pixel(28, 29), back);
    EXPECT_EQ(board.pixel(330, 450), back);
    EXPECT_EQ(board.pixel(358, 478), back);
    EXPECT_NE(board.pixel(359, 478), back);
    EXPECT_NE(board.pixel(358, 479), back);
    EXPECT_NE(board.pixel(329, 450), back);
}

TEST_F(BoardTest, TheTilesLastRowAndColumnNeverReachTheBoard)
{
    form->DrawTile(3, 3, LetterR, 2);
    const QImage before = BoardImage();
    TCanvas& tile = form->ImageR3.Canvas();
    tile.Brush.Color = RGB(255, 255, 0);
    tile.FillRect(Rect(19, 0, 20, 20));
    tile.FillRect(Rect(0, 19, 20, 20));
    form->DrawTile(3, 3, LetterR, 2);
    EXPECT_EQ(BoardImage(), before);
}

TEST_F(BoardTest, LettersUseTheImageOfTheirTurnAndRingsAlwaysImageO)
{
    EXPECT_EQ(&form->TileImage(Ring, 0), &form->ImageO);
    TImage* const r[] = {&form->ImageR1, &form->ImageR2, &form->ImageR3, &form->ImageR4};
    TImage* const f[] = {&form->ImageF1, &form->ImageF2, &form->ImageF3, &form->ImageF4};
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(&form->TileImage(LetterR, t), r[t]);
        EXPECT_EQ(&form->TileImage(LetterF, t), f[t]);
    }
}
