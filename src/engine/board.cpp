// The game state and the two ways of painting one cell.
#include "engine/board.h"

#include "ROFOmain.h"
#include "toolkit/runtime.h"

int CellKind[BoardColumns][BoardRows];
int CellTurn[BoardColumns][BoardRows];
int PieceX;
int PieceY;
int PieceKind;
int PieceBaseTurn;
int PieceDir;
int ClearCount;
int StartClock;
int NowClock;

TRect CellRect(int x, int y)
{
    return Rect(CellPitch * x, CellPitch * y, CellPitch * x + CellSide, CellPitch * y + CellSide);
}

TPoint PieceLetterCell()
{
    switch (PieceDir) {
    case DirUp: return {PieceX, PieceY - 1};
    case DirRight: return {PieceX + 1, PieceY};
    case DirDown: return {PieceX, PieceY + 1};
    case DirLeft: return {PieceX - 1, PieceY};
    default: return {PieceX, PieceY};
    }
}

void ReseedRandom() { SeedRandom(std::uint32_t(CalendarSeconds())); }

TImage& TForm1::TileImage(int kind, int turn)
{
    static TImage TForm1::* const rTiles[] = {&TForm1::ImageR1, &TForm1::ImageR2, &TForm1::ImageR3, &TForm1::ImageR4};
    static TImage TForm1::* const fTiles[] = {&TForm1::ImageF1, &TForm1::ImageF2, &TForm1::ImageF3, &TForm1::ImageF4};
    const int t = turn & 3;
    if (kind == LetterR)
        return this->*rTiles[t];
    if (kind == LetterF)
        return this->*fTiles[t];
    return ImageO;
}

// The tile's last pixel row and column never reach the board: the top-left
// 19 x 19 is stretched over the 29 x 29 cell.
void TForm1::DrawTile(int x, int y, int kind, int turn)
{
    Image1.Canvas().CopyRect(CellRect(x, y), TileImage(kind, turn).Canvas(), Rect(0, 0, TileSource, TileSource));
}

void TForm1::BlankCell(int x, int y)
{
    TCanvas& board = Image1.Canvas();
    board.Brush.Color = BackColor;
    board.FillRect(CellRect(x, y));
}
