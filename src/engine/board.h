// The board and the moving piece: the whole state of a game, shared by the
// game's operations as plain globals.
#pragma once

#include "toolkit/types.h"

constexpr int BoardColumns = 12;
constexpr int BoardRows = 16;
constexpr int CellPitch = 30;   // a 29-pixel cell and a 1-pixel seam
constexpr int CellSide = 29;
constexpr int TileSource = 19;  // the top-left 19 x 19 of a 20 x 20 tile
constexpr int SpawnX = 6;
constexpr int SpawnY = 14;

// Cell kinds; an empty cell holds -1 in both grids.
constexpr int Empty = -1;
constexpr int Ring = 0;
constexpr int LetterR = 1;
constexpr int LetterF = 2;

// The letter cell's side of the ring.
constexpr int DirUp = 0;
constexpr int DirRight = 1;
constexpr int DirDown = 2;
constexpr int DirLeft = 3;

constexpr TColor BackColor = RGB(0, 0, 70);

static_assert(sizeof(int) == 4, "the game's integers are signed 32-bit");

extern int CellKind[BoardColumns][BoardRows];
extern int CellTurn[BoardColumns][BoardRows];
extern int PieceX;
extern int PieceY;
extern int PieceKind;
extern int PieceBaseTurn;
extern int PieceDir;
extern int ClearCount;
extern int StartClock;
extern int NowClock;

// The pixel rectangle of cell (x, y) on the board image, seams excluded.
TRect CellRect(int x, int y);

// The cell of the moving piece's letter: beside its ring, on the side that
// PieceDir names.
TPoint PieceLetterCell();

// Seeds the generator with the calendar time in whole seconds: two reseeds
// in one second repeat the same values.
void ReseedRandom();
