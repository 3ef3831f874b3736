// Choosing and placing the next piece, and the game over.
#include "fixture.h"

#include "toolkit/runtime.h"

namespace {

class SpawnTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Start();
    }
};

} // namespace

TEST_F(SpawnTest, TheLetterTurnFollowsBaseTurnAndDirectionForAll32Pieces)
{
    for (int kind : {LetterR, LetterF}) {
        for (int base = 1; base <= 4; ++base) {
            for (int dir = 0; dir < 4; ++dir) {
                SetBoard(Rows({}));
                PlacePiece(6, 10, kind, base, dir);
                const TPoint letter = PieceLetterCell();
                EXPECT_EQ(CellKind[6][10], Ring);
                EXPECT_EQ(CellTurn[6][10], 0);
                EXPECT_EQ(CellKind[letter.X][letter.Y], kind);
                EXPECT_EQ(CellTurn[letter.X][letter.Y], (base - 1 + dir) % 4)
                    << "kind " << kind << " base " << base << " dir " << dir;
                ExpectBoardShowsGrids();
            }
        }
    }
}

TEST_F(SpawnTest, TwoSpawnsInOneSecondRepeatTurnAndDirectionButAlternateKinds)
{
    std::vector<int> kinds;
    for (int i = 0; i < 6; ++i) {
        const int kindBefore = PieceKind;
        const int base = PieceBaseTurn, dir = PieceDir;
        form->ErasePiece();
        form->SpawnPiece();
        EXPECT_EQ(PieceBaseTurn, base) << "same second, same draws";
        EXPECT_EQ(PieceDir, dir);
        EXPECT_NE(PieceKind, kindBefore);
        kinds.push_back(PieceKind);
    }
    for (std::size_t i = 1; i < kinds.size(); ++i)
        EXPECT_NE(kinds[i], kinds[i - 1]);
    // Another second gives other draws for some second soon after.
    bool differs = false;
    const int base = PieceBaseTurn, dir = PieceDir;
    for (int s = 1; s < 20 && !differs; ++s) {
        calendar += 1;
        form->ErasePiece();
        form->SpawnPiece();
        differs = PieceBaseTurn != base || PieceDir != dir;
    }
    EXPECT_TRUE(differs);
    ExpectBoardShowsGrids();
}

TEST_F(SpawnTest, PiecesEnterAtTheSpawnCellWithTheLetterOnItsSide)
{
    for (std::int64_t second = 0; second < 40; ++second) {
        Start(second);
        EXPECT_EQ(PieceX, 6);
        EXPECT_EQ(PieceY, 14);
        const TPoint letter = PieceLetterCell();
        const TPoint expected[] = {{6, 13}, {7, 14}, {6, 15}, {5, 14}};
        EXPECT_EQ(letter, expected[PieceDir]);
        EXPECT_EQ(CellKind[letter.X][letter.Y], PieceKind);
        ExpectBoardShowsGrids();
    }
}

TEST_F(SpawnTest, ANewLetterReplacesTheTileInItsCell)
{
    // Find a second whose piece has its letter below the ring, on row 15.
    std::int64_t second = 0;
    for (; second < 200; ++second) {
        Start(second);
        if (PieceDir == DirDown)
            break;
    }
    ASSERT_EQ(PieceDir, DirDown);
    const int letterKind = PieceKind;
    // Put a ring under the spawn cell and spawn again in the same second.
    form->ErasePiece();
    form->DrawTile(6, 15, Ring, 0);
    CellKind[6][15] = Ring;
    CellTurn[6][15] = 0;
    PieceKind = letterKind % 2 + 1;   // so the same kind comes next
    form->SpawnPiece();
    EXPECT_EQ(CellKind[6][15], letterKind);
    EXPECT_EQ(CellTurn[6][15], (PieceBaseTurn - 1 + DirDown) % 4);
    ExpectBoardShowsGrids();
    // Once the piece rises, the ring does not come back.
    form->Timer1Timer(nullptr);
    EXPECT_EQ(CellKind[6][15], Empty);
    ExpectBoardShowsGrids();
}

TEST_F(SpawnTest, AnOccupiedSpawnCellEndsTheGameAfterClearing)
{
    // A word through the spawn cell is cleared first; here the ring from
    // row 15 moves up past it, so the spawn cell is free again.
    form->ErasePiece();
    SetBoard(Rows({{11, ". . . . . . R0"}, {12, ". . . . . . O "}, {13, ". . . . . . F0"}, {14, ". . . . . . O "},
        {15, ". . . . . . O "}}));
    ClearCount = 0;
    form->SpawnPiece();
    EXPECT_EQ(ClearCount, 1) << "the word was cleared first";
    EXPECT_EQ(CellKind[6][11], Ring) << "the ring from row 15 moved up four rows";
    EXPECT_TRUE(form->Timer1.Enabled()) << "the spawn cell was free after clearing";
    EXPECT_FALSE(form->Label1.Visible());
    ExpectBoardShowsGrids();

    // A tile that no word removes blocks the spawn cell: game over, even
    // though the letter's cell is free.
    form->ErasePiece();
    SetBoard(Rows({{14, ". . . . . . F2"}}));
    const QImage before = BoardImage();
    form->SpawnPiece();
    EXPECT_FALSE(form->Timer1.Enabled());
    EXPECT_FALSE(form->Timer2.Enabled());
    EXPECT_TRUE(form->Label1.Visible());
    EXPECT_EQ(BoardImage(), before) << "nothing is drawn at game over";
    EXPECT_EQ(CellKind[6][14], LetterF);
    EXPECT_EQ(PieceX, 6);
    EXPECT_EQ(PieceY, 14);
}

// The word scan wins the game while the spawn cell stays blocked: the next
// piece cannot come, so the game over shows beside the congratulation.
TEST_F(SpawnTest, AWinWithTheSpawnCellBlockedAlsoShowsTheGameOver)
{
    form->ErasePiece();
    SetBoard(Rows({{0, "R0O F0O "}, {13, ". . . . . . R1"}, {14, ". . . . . . O "}}));
    form->DanUD.SetPosition(3);
    ClearCount = 2;
    form->SpawnPiece();
    EXPECT_EQ(ClearCount, 3);
    EXPECT_TRUE(form->Label2.Visible());
    EXPECT_TRUE(form->Label1.Visible());
    EXPECT_FALSE(form->Timer1.Enabled());
    EXPECT_FALSE(form->Timer2.Enabled());
    EXPECT_EQ(CellKind[6][14], Ring) << "nothing is drawn over the blocking tile";
    ExpectBoardShowsGrids();
}
