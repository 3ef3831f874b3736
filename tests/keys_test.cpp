// The player's keys: each move or turn happens only into free cells on the
// board; a refused key changes nothing at all, not even the image.
#include "fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

struct KeyCase {
    const char* name;
    char32_t key;
    int dir;
    int x, y;
    std::vector<TPoint> tiles;   // rings placed around the piece
    bool accepted;
};

class KeysTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Start();
        form->ErasePiece();
    }

    void Press(char32_t key)
    {
        char32_t k = key;
        form->FormKeyPress(form.get(), k);
        EXPECT_EQ(k, key) << "the character is never changed";
    }

    struct Snapshot {
        QImage board;
        std::string grids;
        int x, y, kind, base, dir;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() { return {BoardImage(), BoardToText(), PieceX, PieceY, PieceKind, PieceBaseTurn, PieceDir}; }

    void Check(const KeyCase& c)
    {
        SCOPED_TRACE(c.name);
        SetBoard(Rows({}));
        for (const TPoint& t : c.tiles) {
            form->DrawTile(t.X, t.Y, Ring, 0);
            CellKind[t.X][t.Y] = Ring;
            CellTurn[t.X][t.Y] = 0;
        }
        PlacePiece(c.x, c.y, LetterR, 2, c.dir);
        form->Image1.Canvas();   // the image exists before the snapshot
        const Snapshot before = Take();
        Press(c.key);
        if (!c.accepted) {
            EXPECT_TRUE(Take() == before) << "a refused key changed something";
            return;
        }
        const bool turn = c.key == U'k' || c.key == U'K';
        const int dx = turn ? 0 : (c.key == U'j' || c.key == U'J') ? -1 : 1;
        EXPECT_EQ(PieceX, c.x + dx);
        EXPECT_EQ(PieceY, c.y);
        EXPECT_EQ(PieceDir, turn ? (c.dir + 1) % 4 : c.dir);
        const TPoint letter = PieceLetterCell();
        EXPECT_EQ(CellTurn[letter.X][letter.Y], (2 - 1 + PieceDir) % 4) << "the letter turns with the piece";
        for (const TPoint& t : c.tiles)
            EXPECT_EQ(CellKind[t.X][t.Y], Ring) << "a tile around the piece was disturbed";
        ExpectBoardShowsGrids();
    }
};

} // namespace

TEST_F(KeysTest, MoveLeft)
{
    const KeyCase cases[] = {
        {"up: free", U'j', DirUp, 5, 8, {{4, 9}}, true},
        {"up: column 0", U'j', DirUp, 0, 8, {}, false},
        {"up: beside the ring", U'j', DirUp, 5, 8, {{4, 8}}, false},
        {"up: beside the letter", U'J', DirUp, 5, 8, {{4, 7}}, false},
        {"right: needs only the cell beside the ring", U'j', DirRight, 5, 8, {{4, 7}, {4, 9}}, true},
        {"right: column 0", U'j', DirRight, 0, 8, {}, false},
        {"right: blocked", U'J', DirRight, 5, 8, {{4, 8}}, false},
        {"down: free, a tile above does not matter", U'j', DirDown, 5, 8, {{4, 7}}, true},
        {"down: beside the letter", U'j', DirDown, 5, 8, {{4, 9}}, false},
        {"left: column 1", U'j', DirLeft, 1, 8, {}, false},
        {"left: column 2", U'J', DirLeft, 2, 8, {}, true},
        {"left: blocked", U'j', DirLeft, 5, 8, {{3, 8}}, false},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST_F(KeysTest, MoveRight)
{
    const KeyCase cases[] = {
        {"up: free", U'l', DirUp, 5, 8, {{6, 9}}, true},
        {"up: column 11", U'L', DirUp, 11, 8, {}, false},
        {"up: beside the letter", U'l', DirUp, 5, 8, {{6, 7}}, false},
        {"up: beside the ring", U'l', DirUp, 5, 8, {{6, 8}}, false},
        {"right: column 10", U'l', DirRight, 10, 8, {}, false},
        {"right: column 9", U'L', DirRight, 9, 8, {}, true},
        {"right: blocked", U'l', DirRight, 5, 8, {{7, 8}}, false},
        {"down: beside the letter", U'l', DirDown, 5, 8, {{6, 9}}, false},
        {"down: column 11", U'l', DirDown, 11, 8, {}, false},
        {"left: needs only the cell beside the ring", U'l', DirLeft, 5, 8, {{6, 7}, {6, 9}}, true},
        {"left: blocked", U'L', DirLeft, 5, 8, {{6, 8}}, false},
        {"left: column 11", U'l', DirLeft, 11, 8, {}, false},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST_F(KeysTest, TurnClockwise)
{
    const KeyCase cases[] = {
        {"up to right", U'k', DirUp, 5, 8, {}, true},
        {"up to right: column 11", U'k', DirUp, 11, 8, {}, false},
        {"up to right: blocked", U'K', DirUp, 5, 8, {{6, 8}}, false},
        {"right to down", U'k', DirRight, 5, 8, {}, true},
        {"right to down onto row 15", U'K', DirRight, 5, 14, {}, true},
        {"right to down: blocked", U'k', DirRight, 5, 14, {{5, 15}}, false},
        {"down to left: column 0", U'k', DirDown, 0, 8, {}, false},
        {"down to left: blocked", U'k', DirDown, 5, 8, {{4, 8}}, false},
        {"down to left", U'k', DirDown, 5, 8, {}, true},
        {"left to up: row 0", U'k', DirLeft, 5, 0, {}, false},
        {"left to up: blocked", U'k', DirLeft, 5, 8, {{5, 7}}, false},
        {"left to up", U'K', DirLeft, 5, 8, {}, true},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST_F(KeysTest, FourTurnsBringThePieceBack)
{
    SetBoard(Rows({}));
    PlacePiece(5, 8, LetterF, 3, DirRight);
    const QImage before = BoardImage();
    const std::string grids = BoardToText();
    for (int i = 0; i < 4; ++i)
        Press(U'k');
    EXPECT_EQ(PieceDir, DirRight);
    EXPECT_EQ(BoardToText(), grids);
    EXPECT_EQ(BoardImage(), before);
}

TEST_F(KeysTest, OtherCharactersChangeNothing)
{
    SetBoard(Rows({}));
    PlacePiece(5, 8, LetterF, 3, DirRight);
    const QImage before = BoardImage();
    for (char32_t c : U"aAhHiIzZ 1;.ｊＫｌ")
        if (c)
            Press(c);
    EXPECT_EQ(BoardImage(), before);
    EXPECT_EQ(PieceX, 5);
    EXPECT_EQ(PieceDir, DirRight);
}

TEST_F(KeysTest, KeysOutsideARunningGameChangeNothing)
{
    const auto expectInert = [this](const char* state) {
        const QImage board = BoardImage();
        const std::string grids = BoardToText();
        const int x = PieceX, y = PieceY, dir = PieceDir;
        for (char32_t c : U"jJlLkK")
            if (c)
                Press(c);
        EXPECT_EQ(BoardImage(), board) << state;
        EXPECT_EQ(BoardToText(), grids) << state;
        EXPECT_TRUE(PieceX == x && PieceY == y && PieceDir == dir) << state;
    };
    // Before the first game: the piece state names a letter cell off the board.
    TearDown();
    GameTest::SetUp();
    PieceX = PieceY = PieceKind = PieceBaseTurn = PieceDir = 0;
    expectInert("before the first game");

    // After a game over the ring's cell holds the tile that blocked it.
    Start();
    form->ErasePiece();
    SetBoard(Rows({{14, ". . . . . . F1"}}));
    form->SpawnPiece();
    ASSERT_TRUE(form->Label1.Visible());
    expectInert("after a game over");

    // After a win the last piece stays put.
    Start();
    form->DanUD.SetPosition(3);
    for (int i = 0; i < 3; ++i)
        form->AdvanceProgress();
    ASSERT_TRUE(form->Label2.Visible());
    expectInert("after a win");
}

// Key preview: the window sees the character first, and the focused box
// still receives it.
TEST_F(KeysTest, TypedCharactersReachTheWindowAndStillTheFocusedBox)
{
    SetBoard(Rows({}));
    PlacePiece(5, 8, LetterR, 1, DirUp);
    form->Show();
    QApplication::setActiveWindow(form->Window());
    form->DanE.SetFocus();
    ASSERT_TRUE(form->DanE.Focused());
    form->DanE.LineEdit()->clear();
    for (const char* text : {"l", "x"}) {
        QKeyEvent press(QEvent::KeyPress, text[0] == 'l' ? Qt::Key_L : Qt::Key_X, Qt::NoModifier, text);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    EXPECT_EQ(PieceX, 6) << "l moved the piece";
    EXPECT_EQ(form->DanE.Text(), "lx") << "and both characters reached the box";
}
