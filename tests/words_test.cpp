// Finding and clearing words, and the column shifts they cause. Boards are
// text: ". " empty, "O " ring, "R0".."F3" a letter with its turn.
#include "fixture.h"

#include <utility>

namespace {

struct WordCase {
    const char* name;
    BoardText before;
    BoardText after;
    int words;
};

class WordsTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        form->DanUD.SetPosition(30);   // no win in the way
        Start();
    }

    void Check(const WordCase& c)
    {
        SCOPED_TRACE(c.name);
        SetBoard(c.before);
        ClearCount = 0;
        form->FindWords();
        EXPECT_EQ(BoardToText(), Text(c.after));
        EXPECT_EQ(ClearCount, c.words);
        ExpectBoardShowsGrids();
    }
};

const BoardText EmptyBoard = Rows({});

} // namespace

TEST_F(WordsTest, EachOfTheFourDirectionsIsAWord)
{
    const WordCase cases[] = {
        {"across, R at the left, row 15", Rows({{15, "R0O F0O "}}), EmptyBoard, 1},
        {"across, R at the right", Rows({{15, ". . O F1O R1"}}), EmptyBoard, 1},
        {"down, R at the top, rows 12 to 15",
            Rows({{12, "R2"}, {13, "O "}, {14, "F2"}, {15, "O "}}), EmptyBoard, 1},
        {"down, R at the bottom", Rows({{12, ". . . O "}, {13, ". . . F3"}, {14, ". . . O "}, {15, ". . . R3"}}),
            EmptyBoard, 1},
        {"across in row 0 at the right edge", Rows({{0, ". . . . . . . . R1O F1O "}}), EmptyBoard, 1},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST_F(WordsTest, LookalikesAreNotWords)
{
    const BoardText lookalikes = Rows({
        {0, "R0F0O O "},
        {2, "O R0O F0"},
        {4, "R0O F1O "},
        {6, "R2. . . . . . . . . . O "},
        {7, ". O . . . . . . . . . F1"},
        {8, ". . F2. . . . . . . . O "},
        {9, ". . . O . . . . . . . R2"},
        {11, "O O F0R0"},
        {13, "F0O R0O "},
    });
    Check({"R F O O, O R O F, turns differing, a diagonal, O O F R, F O R O", lookalikes, lookalikes, 0});
}

TEST_F(WordsTest, ClearedColumnsMoveUpAsRigidBlocks)
{
    const WordCase cases[] = {
        {"vertical word in rows 2 to 5 with tiles below",
            Rows({{2, "R1"}, {3, "O "}, {4, "F1"}, {5, "O "}, {6, "O "}, {7, "O "}, {8, "R3"}, {9, "F2"}}),
            Rows({{2, "O "}, {3, "O "}, {4, "R3"}, {5, "F2"}}), 1},
        {"vertical word in rows 0 to 3, a gap, a tile in row 5",
            Rows({{0, "R0"}, {1, "O "}, {2, "F0"}, {3, "O "}, {5, "F3"}}), Rows({{1, "F3"}}), 1},
        {"horizontal word in row 3 over columns of different depths",
            Rows({{3, "R2O F2O O "}, {4, "O R1O F0O "}, {5, ". O . F1"}, {6, ". F3. R0"}, {7, ". . . O "}}),
            Rows({{3, "O R1O F0O "}, {4, ". O . F1O "}, {5, ". F3. R0"}, {6, ". . . O "}}), 1},
        {"horizontal word in row 14 pulls row 15 up", Rows({{14, "R0O F0O "}, {15, "F1O R2. "}}),
            Rows({{14, "F1O R2"}}), 1},
        {"R O F O R across: the left word goes, the right R stays", Rows({{15, "R0O F0O R0"}}),
            Rows({{15, ". . . . R0"}}), 1},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST_F(WordsTest, SharedTilesAndChains)
{
    const WordCase cases[] = {
        {"horizontal first: the vertical word loses its shared ring",
            Rows({{0, ". . . R1"}, {1, ". . . O "}, {2, ". . . F1"}, {3, "R0O F0O "}}),
            Rows({{0, ". . . R1"}, {1, ". . . O "}, {2, ". . . F1"}}), 1},
        {"the ring moving up forms the vertical word again",
            Rows({{0, ". . . R1"}, {1, ". . . O "}, {2, ". . . F1"}, {3, "R0O F0O "}, {4, ". . . O "}}),
            EmptyBoard, 2},
        {"a chain found in the next pass",
            Rows({{0, "R1O F1R0"}, {1, ". . . O "}, {2, ". . . F0"}, {3, ". . . O "}, {4, ". . . O "}}),
            EmptyBoard, 2},
        {"a chain found later in the same pass",
            Rows({{2, "R3"}, {3, "O "}, {4, "F3"}, {5, "R0O F0O "}, {6, "O "}}), EmptyBoard, 2},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST_F(WordsTest, AnEmptyBoardCountsNothing)
{
    Check({"empty", EmptyBoard, EmptyBoard, 0});
}
