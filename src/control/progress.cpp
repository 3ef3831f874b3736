// Each cleared word uncovers the reward picture further, from the bottom
// edge up; the word that reaches the clear target wins the game.
#include "ROFOmain.h"
#include "engine/board.h"

namespace {

constexpr int PictureWidth = 400;
constexpr int PictureHeight = 299;

} // namespace

void TForm1::AdvanceProgress()
{
    ++ClearCount;
    const int target = DanUD.Position();   // read anew at every word
    // Past the target the strip would reach above the picture; the copy is
    // kept within it (the whole picture shows already).
    const long long height = (long long)ClearCount * PictureHeight / target;
    const int top = height >= PictureHeight ? 0 : PictureHeight - int(height);
    const TRect strip = Rect(0, top, PictureWidth, PictureHeight);
    Image2.Canvas().CopyRect(strip, ImageP1.Canvas(), strip);
    if (target != ClearCount)
        return;
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    Label2.SetCaption(target > 5 ? "祝！入学！！" : "祝！合格！！");
    Label2.SetVisible(true);
}
