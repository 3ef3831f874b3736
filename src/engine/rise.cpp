// The rise timer: each tick raises the piece one row, or locks it.
#include "ROFOmain.h"
#include "engine/board.h"

namespace {

bool Free(int x, int y) { return CellKind[x][y] == Empty; }

} // namespace

// Only the cells the piece would move into are tested; its own two cells
// are recorded on the board and would otherwise block it.
bool TForm1::PieceCanRise() const
{
    const int x = PieceX;
    const int y = PieceY;
    switch (PieceDir) {
    case DirUp: return y >= 2 && Free(x, y - 2);
    case DirRight: return y >= 1 && Free(x, y - 1) && Free(x + 1, y - 1);
    case DirDown: return y >= 1 && Free(x, y - 1);
    case DirLeft: return y >= 1 && Free(x - 1, y - 1) && Free(x, y - 1);
    default: return false;
    }
}

void TForm1::Timer1Timer(TObject*)
{
    if (!PieceCanRise()) {
        // The piece stays where it stopped; its words clear as the next one comes.
        SpawnPiece();
        return;
    }
    ErasePiece();
    --PieceY;
    DrawPiece();
}

void TForm1::ErasePiece()
{
    BlankCell(PieceX, PieceY);
    CellKind[PieceX][PieceY] = Empty;
    CellTurn[PieceX][PieceY] = Empty;
    if (PieceDir < DirUp || PieceDir > DirLeft)
        return;
    const TPoint letter = PieceLetterCell();
    BlankCell(letter.X, letter.Y);
    CellKind[letter.X][letter.Y] = Empty;
    CellTurn[letter.X][letter.Y] = Empty;
}
