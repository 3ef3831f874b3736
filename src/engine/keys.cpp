// The player's keys: j moves the piece left, l right, k turns it clockwise
// about its ring. A move happens only into cells on the board that are free.
#include "ROFOmain.h"
#include "engine/board.h"

namespace {

// What one key needs for the piece as it lies: a bound on the ring's column
// or row, then the cells (relative to the ring) the piece would newly cover,
// tested in order.
struct Move {
    int minX = 0;
    int maxX = BoardColumns - 1;
    int minY = 0;
    TPoint cells[2];
    int cellCount = 0;
    int dx = 0;
    int turn = 0;
};

// Indexed by PieceDir: up, right, down, left.
const Move MoveLeft[4] = {
    {.minX = 1, .cells = {{-1, 0}, {-1, -1}}, .cellCount = 2, .dx = -1},
    {.minX = 1, .cells = {{-1, 0}}, .cellCount = 1, .dx = -1},
    {.minX = 1, .cells = {{-1, 0}, {-1, 1}}, .cellCount = 2, .dx = -1},
    {.minX = 2, .cells = {{-2, 0}}, .cellCount = 1, .dx = -1},
};
const Move MoveRight[4] = {
    {.maxX = 10, .cells = {{1, 0}, {1, -1}}, .cellCount = 2, .dx = 1},
    {.maxX = 9, .cells = {{2, 0}}, .cellCount = 1, .dx = 1},
    {.maxX = 10, .cells = {{1, 0}, {1, 1}}, .cellCount = 2, .dx = 1},
    {.maxX = 10, .cells = {{1, 0}}, .cellCount = 1, .dx = 1},
};
const Move TurnClockwise[4] = {
    {.maxX = 10, .cells = {{1, 0}}, .cellCount = 1, .turn = 1},
    {.cells = {{0, 1}}, .cellCount = 1, .turn = 1},
    {.minX = 1, .cells = {{-1, 0}}, .cellCount = 1, .turn = 1},
    {.minY = 1, .cells = {{0, -1}}, .cellCount = 1, .turn = 1},
};

bool Allowed(const Move& move)
{
    if (PieceX < move.minX || PieceX > move.maxX || PieceY < move.minY)
        return false;
    for (int i = 0; i < move.cellCount; ++i) {
        const int x = PieceX + move.cells[i].X;
        const int y = PieceY + move.cells[i].Y;
        if (x < 0 || x >= BoardColumns || y < 0 || y >= BoardRows || CellKind[x][y] != Empty)
            return false;
    }
    return true;
}

const Move* MoveFor(char32_t key)
{
    if (key == U'j' || key == U'J')
        return &MoveLeft[PieceDir];
    if (key == U'l' || key == U'L')
        return &MoveRight[PieceDir];
    if (key == U'k' || key == U'K')
        return &TurnClockwise[PieceDir];
    return nullptr;
}

} // namespace

void TForm1::FormKeyPress(TObject*, char32_t& Key)
{
    // Only a running game has a piece on the board: before the first game,
    // after a game over or a win, the piece state may name cells off the
    // board or a tile that is not the piece's.
    if (!Timer1.Enabled() || PieceDir < DirUp || PieceDir > DirLeft)
        return;
    const Move* move = MoveFor(Key);
    if (!move || !Allowed(*move))
        return;
    ErasePiece();
    PieceX += move->dx;
    PieceDir = (PieceDir + move->turn) % 4;
    DrawPiece();
}
