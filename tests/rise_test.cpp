// The rise timer: one rise or one lock per tick.
#include "fixture.h"

namespace {

class RiseTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        form->DanUD.SetPosition(30);
        Start();
        form->ErasePiece();
    }

    // Ticks until the piece locks, the next piece appearing at the spawn
    // cell; returns the ring cell the piece locked at.
    TPoint RiseUntilLocked(int maxTicks = 20)
    {
        for (int i = 0; i < maxTicks; ++i) {
            const TPoint before{PieceX, PieceY};
            form->Timer1Timer(nullptr);
            ExpectBoardShowsGrids();
            if (PieceY != before.Y - 1 || PieceX != before.X)
                return before;
        }
        ADD_FAILURE() << "the piece never locked";
        return {};
    }
};

} // namespace

TEST_F(RiseTest, EachDirectionRisesToTheTopAndLocksThere)
{
    const struct {
        int dir;
        int lockedRingRow;
        TPoint letter;
    } cases[] = {
        {DirUp, 1, {6, 0}},
        {DirRight, 0, {7, 0}},
        {DirDown, 0, {6, 1}},
        {DirLeft, 0, {5, 0}},
    };
    for (const auto& c : cases) {
        SetBoard(Rows({}));
        PlacePiece(6, 14, LetterR, 1, c.dir);
        const TPoint locked = RiseUntilLocked();
        EXPECT_EQ(locked.Y, c.lockedRingRow) << "direction " << c.dir;
        EXPECT_EQ(CellKind[6][c.lockedRingRow], Ring);
        EXPECT_EQ(CellKind[c.letter.X][c.letter.Y], LetterR) << "direction " << c.dir;
        EXPECT_EQ(CellTurn[c.letter.X][c.letter.Y], c.dir) << "the letter keeps its turn";
        EXPECT_EQ(PieceY, 14) << "the next piece is at the spawn cell";
        form->ErasePiece();
    }
}

TEST_F(RiseTest, AHorizontalPieceLocksWhenEitherCellIsBlocked)
{
    for (int blockedX : {5, 6, 7}) {
        for (int dir : {DirRight, DirLeft}) {
            std::string row;
            for (int x = 0; x < blockedX; ++x)
                row += ". ";
            SetBoard(Rows({{4, row + "O "}}));
            PlacePiece(6, 10, LetterF, 3, dir);
            const TPoint letter = PieceLetterCell();
            const bool underBlock = blockedX == 6 || blockedX == letter.X;
            const TPoint locked = RiseUntilLocked();
            EXPECT_EQ(locked.Y, underBlock ? 5 : 0) << "block at " << blockedX << " direction " << dir;
            form->ErasePiece();
        }
    }
}

TEST_F(RiseTest, ABlockedPieceMovedSidewaysRisesAgain)
{
    SetBoard(Rows({{9, ". . . . . . O "}}));
    PlacePiece(6, 10, LetterR, 1, DirDown);
    char32_t key = U'l';
    form->FormKeyPress(form.get(), key);
    ASSERT_EQ(PieceX, 7);
    form->Timer1Timer(nullptr);
    EXPECT_EQ(PieceY, 9) << "free above: it rises";
    EXPECT_EQ(PieceX, 7);
    ExpectBoardShowsGrids();
}

TEST_F(RiseTest, APieceSpawnedUnderATileLocksThereAndTheNextOneFindsNoRoom)
{
    SetBoard(Rows({{12, ". . . . . O O O "}}));
    PlacePiece(6, 14, LetterR, 1, DirDown);
    form->Timer1Timer(nullptr);
    EXPECT_EQ(PieceY, 13) << "one row free above";
    form->Timer1Timer(nullptr);
    EXPECT_EQ(CellKind[6][13], Ring) << "locked where it stopped";
    EXPECT_EQ(CellKind[6][14], LetterR);
    EXPECT_FALSE(form->Timer1.Enabled()) << "the spawn cell holds the locked letter: game over";
    EXPECT_TRUE(form->Label1.Visible());
    ExpectBoardShowsGrids();
}
