// The next piece: settle the board, choose the piece, place it or end the game.
#include "ROFOmain.h"
#include "engine/board.h"
#include "toolkit/runtime.h"

void TForm1::SpawnPiece()
{
    FindWords();
    ReseedRandom();
    PieceKind = PieceKind % 2 + 1;   // R and F pieces alternate
    PieceBaseTurn = NextRandom() % 4 + 1;
    PieceDir = NextRandom() % 4;
    PieceX = SpawnX;
    PieceY = SpawnY;
    // Only the ring's cell is tested; the letter goes over whatever it finds.
    if (CellKind[SpawnX][SpawnY] != Empty) {
        Timer1.SetEnabled(false);
        Timer2.SetEnabled(false);
        Label1.SetVisible(true);
        return;
    }
    DrawPiece();
}

void TForm1::DrawPiece()
{
    DrawTile(PieceX, PieceY, Ring, 0);
    CellKind[PieceX][PieceY] = Ring;
    CellTurn[PieceX][PieceY] = 0;
    if (PieceKind < LetterR || PieceKind > LetterF || PieceBaseTurn < 1 || PieceBaseTurn > 4 || PieceDir < 0
        || PieceDir > 3)
        return;
    const TPoint letter = PieceLetterCell();
    // The letter turns with the piece.
    const int turn = (PieceBaseTurn - 1 + PieceDir) % 4;
    DrawTile(letter.X, letter.Y, PieceKind, turn);
    CellKind[letter.X][letter.Y] = PieceKind;
    CellTurn[letter.X][letter.Y] = turn;
}
