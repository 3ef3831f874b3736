// Words: four tiles in a line reading R, O, F, O in either direction, the R
// and the F facing the same way. Each is counted, then cleared; the column
// below each cleared cell moves up one row.
#include "ROFOmain.h"
#include "engine/board.h"

namespace {

// The word whose R is at (x, y) and whose other tiles follow in steps of
// (dx, dy).
bool WordAt(int x, int y, int dx, int dy)
{
    return CellKind[x][y] == LetterR && CellKind[x + dx][y + dy] == Ring
        && CellKind[x + 2 * dx][y + 2 * dy] == LetterF
        && CellTurn[x + 2 * dx][y + 2 * dy] == CellTurn[x][y]
        && CellKind[x + 3 * dx][y + 3 * dy] == Ring;
}

} // namespace

// Each scan goes on over the board as it now stands; a pass that cleared a
// word is followed by another until one finds nothing.
void TForm1::FindWords()
{
    int found;
    do {
        found = 0;
        for (int y = 0; y < BoardRows; ++y) {
            for (int x = 0; x <= BoardColumns - 4; ++x) {
                if (!WordAt(x, y, 1, 0))
                    continue;
                ++found;
                AdvanceProgress();
                for (int i = 0; i < 4; ++i)
                    ClearCell(x + i, y);
            }
        }
        for (int y = 0; y < BoardRows; ++y) {
            for (int x = BoardColumns - 1; x >= 3; --x) {
                if (!WordAt(x, y, -1, 0))
                    continue;
                ++found;
                AdvanceProgress();
                for (int i = 0; i < 4; ++i)
                    ClearCell(x - i, y);
            }
        }
        for (int x = 0; x < BoardColumns; ++x) {
            for (int y = 0; y <= BoardRows - 4; ++y) {
                if (!WordAt(x, y, 0, 1))
                    continue;
                ++found;
                AdvanceProgress();
                // Each clear moves the next tile of the word into this cell.
                for (int i = 0; i < 4; ++i)
                    ClearCell(x, y);
            }
        }
        for (int x = 0; x < BoardColumns; ++x) {
            for (int y = BoardRows - 1; y >= 3; --y) {
                if (!WordAt(x, y, 0, -1))
                    continue;
                ++found;
                AdvanceProgress();
                for (int i = 0; i < 4; ++i)
                    ClearCell(x, y - 3);
            }
        }
    } while (found != 0);
}

// Empties (x, y) and moves the part of the column below it up one row as a
// rigid block: gaps move up with the tiles, and row 15 ends up empty.
void TForm1::ClearCell(int x, int y)
{
    BlankCell(x, y);
    CellKind[x][y] = Empty;
    CellTurn[x][y] = Empty;
    for (int i = y; i < BoardRows - 1; ++i) {
        const int kind = CellKind[x][i + 1];
        if (kind == Empty)
            continue;
        const int turn = kind == Ring ? 0 : CellTurn[x][i + 1];
        DrawTile(x, i, kind, turn);
        CellKind[x][i] = kind;
        CellTurn[x][i] = turn;
        BlankCell(x, i + 1);
        CellKind[x][i + 1] = Empty;
        CellTurn[x][i + 1] = Empty;
    }
}
