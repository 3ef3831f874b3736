// The start button begins a new game from any state; the quit button ends
// the program.
#include "ROFOmain.h"
#include "engine/board.h"
#include "toolkit/runtime.h"

#include <string>

// One of the nine reward pictures, never the title picture.
void TForm1::LoadRewardPicture(TJPEGImage& picture)
{
    ReseedRandom();
    const std::string name = "JPEG" + std::to_string(NextRandom() % 9 + 2);
    TResourceStream stream(HInstance, name, "JPEG");
    picture.LoadFromStream(stream);
}

void TForm1::Button1Click(TObject*)
{
    // The picture is loaded before anything else is touched, so a start that
    // cannot load it leaves the game as it was, consistent and untouched.
    TJPEGImage picture;
    LoadRewardPicture(picture);

    Label1.SetVisible(false);
    Label2.SetVisible(false);
    TCanvas& board = Image1.Canvas();
    board.Brush.Color = BackColor;
    board.FillRect(Rect(0, 0, Image1.Width(), Image1.Height()));
    TCanvas& shown = Image2.Canvas();
    shown.Brush.Color = BackColor;
    shown.FillRect(Rect(0, 0, Image2.Width(), Image2.Height()));
    ImageP1.Canvas().Draw(0, 0, picture);

    for (int x = 0; x < BoardColumns; ++x) {
        for (int y = 0; y < BoardRows; ++y) {
            CellTurn[x][y] = Empty;
            CellKind[x][y] = Empty;
        }
    }
    ShoyouE.SetText("");
    Timer1.SetInterval(550 - TimeUD.Position());
    Timer1.SetEnabled(true);
    Timer2.SetEnabled(true);
    StartClock = TickCount();
    PieceKind = NextRandom() % 2 + 1;   // the first piece is the other kind
    ClearCount = 0;
    SpawnPiece();

    const TPoint pointer = Mouse.CursorPos();
    Mouse.SetCursorPos({pointer.X, pointer.Y + 100});
}

void TForm1::Button2Click(TObject*)
{
    Close();
}
