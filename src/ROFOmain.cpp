// The window: its controls as laid out at design time, and the start-up
// that loads the tiles, shows the title picture and the instruction screen.
#include "ROFOmain.h"

#include "engine/board.h"

TForm1* Form1 = nullptr;

const char* const WindowCaption =
    "　目指せ！ＲＯＦＯ！  ( ver.1.1    '06.9.29   作：ＲＯＦＯ制作チーム )";

namespace {

TFont FontOf(int height, bool bold, TColor colour)
{
    TFont font;
    font.Height = height;
    font.Bold = bold;
    font.Color = colour;
    return font;
}

struct InstructionLine {
    int x;
    int y;
    const char* text;
};

const InstructionLine Instructions[] = {
    {75, 90, "「目指せ！ＲＯＦＯ！」ゲームの遊び方"},
    {10, 150, "　スタートボタンをクリックした後、次のキーで駒を動かしてください。"},
    {10, 175, "　（小文字でも大文字でも構いません。）"},
    {10, 220, "　Ｊ のキー：左へ移動　　Ｋ のキー：回転　　Ｌ のキー：右へ移動"},
    {10, 265, "ＲＯＦＯ とそろえば消えます。 Ｒ、Ｏ、Ｆ、Ｏ がこの順であれば、"},
    {10, 290, "縦でも横でも、また、逆順でも構いません。ただし、Ｒ と Ｆ の向きは"},
    {10, 315, "同じでなければなりません。"},
    {10, 340, "　クリアー目標値と駒の上昇スピードは変更できます。"},
};

} // namespace

TForm1::TForm1(TApplication* Owner)
    : TForm(Owner),
      Image1(this), Button1(this), Timer1(this), ImageO(this), ImageR1(this), ImageR2(this), ImageR3(this),
      ImageR4(this), ImageF4(this), ImageF1(this), ImageF2(this), ImageF3(this), ShoyouE(this), Button2(this),
      Timer2(this), TimeE(this), DanE(this), TimeUD(this), DanUD(this), Image2(this), Label1(this), Label2(this),
      Label3(this), Label4(this), Label5(this), Label6(this), ImageP1(this), Label7(this)
{
    LayOutControls();
    BindEvents();
    LoadTileBitmaps();
    ShowTitlePicture();
    // The board bitmap is made at this size the first time its canvas is used.
    Image1.SetHeight(480);
    Image1.SetWidth(360);
    WriteInstructions();
    for (int x = 0; x < BoardColumns; ++x) {
        for (int y = 0; y < BoardRows; ++y) {
            CellKind[x][y] = Empty;
            CellTurn[x][y] = Empty;
        }
    }
}

void TForm1::LayOutControls()
{
    SetBounds(150, 110, 843, 562);
    SetCaption(WindowCaption);
    SetColor(clBtnFace);
    SetFont(FontOf(12, false, clWindowText));
    KeyPreview = true;

    Image1.SetBounds(25, 24, 360, 480);
    struct TilePlace {
        TImage& image;
        int left;
        int top;
    };
    for (const TilePlace& tile : {TilePlace{ImageO, 456, 296}, {ImageR1, 456, 328}, {ImageR2, 488, 328},
             {ImageR3, 520, 328}, {ImageR4, 552, 328}, {ImageF4, 552, 368}, {ImageF1, 456, 368},
             {ImageF2, 488, 368}, {ImageF3, 520, 368}}) {
        tile.image.SetBounds(tile.left, tile.top, 20, 20);
        tile.image.SetVisible(false);
    }
    Image2.SetBounds(408, 125, 400, 299);
    ImageP1.SetBounds(416, 133, 400, 299);
    ImageP1.SetVisible(false);

    Label1.SetBounds(64, 152, 280, 40);
    Label1.SetFont(FontOf(40, true, clRed));
    Label1.SetCaption("ＧＡＭＥ　ＯＶＥＲ");
    Label1.SetVisible(false);
    Label2.SetBounds(40, 152, 341, 53);
    Label2.SetFont(FontOf(53, true, clFuchsia));
    Label2.SetCaption(" 祝！入学！！");
    Label2.SetVisible(false);
    Label3.SetBounds(408, 448, 60, 12);
    Label3.SetCaption("難易度設定");
    Label4.SetBounds(576, 472, 41, 12);
    Label4.SetCaption("スピード");
    Label5.SetBounds(412, 472, 78, 12);
    Label5.SetCaption("クリアー目標値");
    Label6.SetBounds(560, 72, 48, 12);
    Label6.SetCaption("所要時間");
    Label7.SetBounds(472, 16, 272, 33);
    Label7.SetFont(FontOf(32, false, clBlue));
    Label7.SetCaption("目指せ！　ＲＯＦＯ！");

    Button1.SetBounds(408, 72, 113, 33);
    Button1.SetCaption("スタート");
    ShoyouE.SetBounds(616, 72, 193, 35);
    ShoyouE.SetFont(FontOf(27, true, clWindowText));
    ShoyouE.SetTabStop(false);
    Button2.SetBounds(720, 472, 89, 33);
    Button2.SetCaption("終了");
    TimeE.SetBounds(624, 472, 40, 24);
    TimeE.SetFont(FontOf(16, false, clWindowText));
    TimeE.SetTabStop(false);
    DanE.SetBounds(496, 472, 40, 24);
    DanE.SetFont(FontOf(16, false, clWindowText));
    DanE.SetTabStop(false);
    TimeUD.SetBounds(664, 472, 24, 24);
    TimeUD.SetRange(50, 500);
    TimeUD.SetPosition(200);
    TimeUD.SetAssociate(&TimeE);
    DanUD.SetBounds(536, 472, 24, 24);
    DanUD.SetRange(3, 30);
    DanUD.SetPosition(5);
    DanUD.SetAssociate(&DanE);
    // Tab moves between the two buttons only.
    SetTabOrder({&Button1, &Button2});

    Timer1.SetInterval(350);
    Timer1.SetEnabled(false);
    Timer2.SetInterval(1000);
    Timer2.SetEnabled(false);
}

void TForm1::BindEvents()
{
    Button1.OnClick = [this](TObject* sender) { Button1Click(sender); };
    Button2.OnClick = [this](TObject* sender) { Button2Click(sender); };
    Timer1.OnTimer = [this](TObject* sender) { Timer1Timer(sender); };
    Timer2.OnTimer = [this](TObject* sender) { Timer2Timer(sender); };
    OnKeyPress = [this](TObject* sender, char32_t& key) { FormKeyPress(sender, key); };
}

// Each letter's image n holds the tile turned n - 1 quarter turns.
void TForm1::LoadTileBitmaps()
{
    struct TileResource {
        TImage& image;
        const char* name;
    };
    for (const TileResource& tile : {TileResource{ImageO, "BitmapO"}, {ImageR1, "BitmapR1"}, {ImageR2, "BitmapR2"},
             {ImageR3, "BitmapR3"}, {ImageR4, "BitmapR4"}, {ImageF1, "BitmapF1"}, {ImageF2, "BitmapF2"},
             {ImageF3, "BitmapF3"}, {ImageF4, "BitmapF4"}}) {
        tile.image.Picture.Bitmap().LoadFromResourceName(HInstance, tile.name);
    }
}

void TForm1::ShowTitlePicture()
{
    TJPEGImage picture;
    TResourceStream stream(HInstance, "JPEG1", "JPEG");
    picture.LoadFromStream(stream);
    Image2.Canvas().Draw(0, 0, picture);
}

void TForm1::WriteInstructions()
{
    TCanvas& board = Image1.Canvas();
    board.Brush.Color = BackColor;
    board.FillRect(Rect(0, 0, Image1.Width(), Image1.Height()));
    board.Font.Color = clWhite;
    for (const InstructionLine& line : Instructions)
        board.TextOut(line.x, line.y, line.text);
}
