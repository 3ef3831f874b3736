// The window as built at start-up: every control where the layout puts it,
// with its text, and the instruction screen and title picture drawn.
#include "fixture.h"

#include "toolkit/jpeg.h"
#include "toolkit/qt_bridge.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

class WindowTest : public GameTest {};

} // namespace

TEST_F(WindowTest, ControlsSitWhereTheLayoutPutsThem)
{
    const struct {
        const char* name;
        TControl& control;
        int left, top, width, height;
        bool visible;
    } expected[] = {
        {"Image1", form->Image1, 25, 24, 360, 480, true},
        {"ImageO", form->ImageO, 456, 296, 20, 20, false},
        {"ImageR1", form->ImageR1, 456, 328, 20, 20, false},
        {"ImageR4", form->ImageR4, 552, 328, 20, 20, false},
        {"ImageF4", form->ImageF4, 552, 368, 20, 20, false},
        {"ImageF1", form->ImageF1, 456, 368, 20, 20, false},
        {"Image2", form->Image2, 408, 125, 400, 299, true},
        {"ImageP1", form->ImageP1, 416, 133, 400, 299, false},
        {"Button1", form->Button1, 408, 72, 113, 33, true},
        {"ShoyouE", form->ShoyouE, 616, 72, 193, 35, true},
        {"Button2", form->Button2, 720, 472, 89, 33, true},
        {"TimeE", form->TimeE, 624, 472, 40, 24, true},
        {"DanE", form->DanE, 496, 472, 40, 24, true},
        {"TimeUD", form->TimeUD, 664, 472, 24, 24, true},
        {"DanUD", form->DanUD, 536, 472, 24, 24, true},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(e.control.Left(), e.left) << e.name;
        EXPECT_EQ(e.control.Top(), e.top) << e.name;
        EXPECT_EQ(e.control.Width(), e.width) << e.name;
        EXPECT_EQ(e.control.Height(), e.height) << e.name;
        EXPECT_EQ(e.control.Visible(), e.visible) << e.name;
    }
    // Labels size themselves to their text; only their corner is fixed.
    const struct {
        TLabel& label;
        int left, top;
        const char* caption;
        bool visible;
    } labels[] = {
        {form->Label1, 64, 152, "ＧＡＭＥ　ＯＶＥＲ", false},
        {form->Label2, 40, 152, " 祝！入学！！", false},
        {form->Label3, 408, 448, "難易度設定", true},
        {form->Label4, 576, 472, "スピード", true},
        {form->Label5, 412, 472, "クリアー目標値", true},
        {form->Label6, 560, 72, "所要時間", true},
        {form->Label7, 472, 16, "目指せ！　ＲＯＦＯ！", true},
    };
    for (const auto& l : labels) {
        EXPECT_EQ(l.label.Left(), l.left) << l.caption;
        EXPECT_EQ(l.label.Top(), l.top) << l.caption;
        EXPECT_EQ(l.label.Caption(), l.caption);
        EXPECT_EQ(l.label.Visible(), l.visible) << l.caption;
        EXPECT_GT(l.label.Width(), 0) << l.caption;
    }
}

TEST_F(WindowTest, TextsSettingsAndTimersAtStart)
{
    EXPECT_EQ(form->Caption(), "　目指せ！ＲＯＦＯ！  ( ver.1.1    '06.9.29   作：ＲＯＦＯ制作チーム )");
    EXPECT_EQ(form->Button1.Caption(), "スタート");
    EXPECT_EQ(form->Button2.Caption(), "終了");
    EXPECT_EQ(form->ShoyouE.Text(), "");
    EXPECT_EQ(form->TimeE.Text(), "200");
    EXPECT_EQ(form->DanE.Text(), "5");
    EXPECT_EQ(form->TimeUD.Position(), 200);
    EXPECT_EQ(form->TimeUD.Min(), 50);
    EXPECT_EQ(form->TimeUD.Max(), 500);
    EXPECT_EQ(form->DanUD.Position(), 5);
    EXPECT_EQ(form->DanUD.Min(), 3);
    EXPECT_EQ(form->DanUD.Max(), 30);
    EXPECT_FALSE(form->Timer1.Enabled());
    EXPECT_FALSE(form->Timer2.Enabled());
    EXPECT_EQ(form->Timer1.Interval(), 350);
    EXPECT_EQ(form->Timer2.Interval(), 1000);
    EXPECT_TRUE(form->KeyPreview);
    for (int x = 0; x < BoardColumns; ++x)
        for (int y = 0; y < BoardRows; ++y)
            ASSERT_TRUE(CellKind[x][y] == Empty && CellTurn[x][y] == Empty) << x << "," << y;
}

TEST_F(WindowTest, ImagesHoldTheirTilesTheTitleAndA360By480Board)
{
    EXPECT_EQ(form->Image1.Picture.Bitmap().Width(), 360);
    EXPECT_EQ(form->Image1.Picture.Bitmap().Height(), 480);
    EXPECT_TRUE(form->ImageP1.Picture.Empty()) << "the reward picture comes with the first game";
    // Image n of each letter holds the tile turned n - 1 times, ImageF4 too.
    const struct {
        TImage& image;
        const char* resource;
    } tiles[] = {{form->ImageO, "BitmapO"}, {form->ImageR1, "BitmapR1"}, {form->ImageR2, "BitmapR2"},
        {form->ImageR3, "BitmapR3"}, {form->ImageR4, "BitmapR4"}, {form->ImageF1, "BitmapF1"},
        {form->ImageF2, "BitmapF2"}, {form->ImageF3, "BitmapF3"}, {form->ImageF4, "BitmapF4"}};
    for (const auto& t : tiles) {
        TBitmap expected;
        expected.LoadFromResourceName(HInstance, t.resource);
        EXPECT_EQ(t.image.Picture.Bitmap().Image(), expected.Image()) << t.resource;
    }
    TJPEGImage title;
    TResourceStream stream(HInstance, "JPEG1", "JPEG");
    title.LoadFromStream(stream);
    EXPECT_EQ(form->Image2.Canvas().Image(), title.Image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(WindowTest, BoardIsNavyWithWhiteTextOnlyOnTheInstructionLines)
{
    const QImage board = BoardImage();
    const QRgb back = ToQRgb(BackColor);
    const QRgb white = qRgb(255, 255, 255);
    const int lineTops[] = {90, 150, 175, 220, 265, 290, 315, 340};
    const int lineHeight = form->Image1.Canvas().TextHeight("Ｊ");
    int whiteOnLine[8] = {};
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x) {
            const QRgb p = board.pixel(x, y);
            ASSERT_TRUE(p == back || p == white) << "pixel " << x << "," << y << " is neither navy nor white";
            if (p != white)
                continue;
            bool onLine = false;
            for (int i = 0; i < 8; ++i) {
                if (y >= lineTops[i] && y < lineTops[i] + lineHeight) {
                    onLine = true;
                    ++whiteOnLine[i];
                }
            }
            ASSERT_TRUE(onLine) << "white pixel off the lines at " << x << "," << y;
        }
    }
    for (int i = 0; i < 8; ++i)
        EXPECT_GT(whiteOnLine[i], 100) << "line " << i + 1 << " shows no text";
    // The first line starts right of x = 75, the others right of x = 10.
    for (int y = 90; y < 90 + lineHeight; ++y)
        for (int x = 0; x < 75; ++x)
            ASSERT_EQ(board.pixel(x, y), back);
}

// Boxes instead of glyphs would mean no Japanese face was found.
TEST_F(WindowTest, FontsResolveToAJapaneseGothicFace)
{
    const std::string family = ResolvedFamily(form->Font());
    EXPECT_TRUE(family.find("Gothic") != std::string::npos || family.find("ゴシック") != std::string::npos
        || family.find("CJK") != std::string::npos)
        << family;
    const QFontMetrics metrics(form->Client()->font());
    for (const char32_t c : U"目指せ遊び方移動回転ＲＯＦＯ")
        if (c)
            EXPECT_TRUE(metrics.inFontUcs4(c)) << std::hex << uint32_t(c);
    EXPECT_EQ(form->Client()->font().pixelSize(), 12);
}

TEST_F(WindowTest, TabMovesBetweenTheTwoButtonsOnly)
{
    form->Show();
    QApplication::setActiveWindow(form->Window());
    form->Button1.SetFocus();
    ASSERT_TRUE(form->Button1.Focused());
    std::vector<QWidget*> visited;
    for (int i = 0; i < 4; ++i) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited[0], form->Button2.Widget());
    EXPECT_EQ(visited[1], form->Button1.Widget());
    EXPECT_EQ(visited[2], form->Button2.Widget());
    EXPECT_EQ(visited[3], form->Button1.Widget());
}

TEST_F(WindowTest, AWindowSmallerThanItsControlsScrolls)
{
    form->Show();
    auto* area = static_cast<QScrollArea*>(form->Window());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    area->resize(500, 300);
    QApplication::processEvents();
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_EQ(form->Image1.Left(), 25) << "controls keep their client-area places";
}
