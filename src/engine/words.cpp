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

// A pass is four scans, in this order: across with the R at the left, across
// with the R at the right, down with the R at the top, down with the R at
// the bottom. Each scan goes on over the board as it now stands; a pass that
// cleared a word is followed by another until one finds nothing.
void TForm1::FindWords()
{
    int found;
    do {
        found = ScanForWords(1, 0) + ScanForWords(-1, 0) + ScanForWords(0, 1) + ScanForWords(0, -1);
    } while (found != 0);
}

// One scan for words running from their R in steps of (dx, dy): rows (for
// words across) or columns (for words down) from the first, and along each
// from the end the R may start at.
int TForm1::ScanForWords(int dx, int dy)
{
    const int lines = dx != 0 ? BoardRows : BoardColumns;
    const int length = dx != 0 ? BoardColumns : BoardRows;
    const bool forwards = dx + dy > 0;
    int found = 0;
    for (int line = 0; line < lines; ++line) {
        for (int i = 0; i <= length - 4; ++i) {
            const int along = forwards ? i : length - 1 - i;
            const int x = dx != 0 ? along : line;
            const int y = dx != 0 ? line : along;
            if (!WordAt(x, y, dx, dy))
                continue;
            ++found;
            AdvanceProgress();
            if (dy == 0) {
                for (int k = 0; k < 4; ++k)
                    ClearCell(x + k * dx, y);
            } else {
                // Each clear of the top cell moves the next tile of the word into it.
                const int top = dy > 0 ? y : y - 3;
                for (int k = 0; k < 4; ++k)
                    ClearCell(x, top);
            }
        }
    }
    return found;
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
