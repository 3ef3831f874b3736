#include "fixture.h"

#include "toolkit/runtime.h"

#include <sstream>

QRgb ToQRgb(TColor colour) { return qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

std::string BoardToText()
{
    std::ostringstream out;
    for (int y = 0; y < BoardRows; ++y) {
        for (int x = 0; x < BoardColumns; ++x) {
            const int kind = CellKind[x][y];
            if (kind == Empty)
                out << ". ";
            else if (kind == Ring)
                out << "O ";
            else
                out << (kind == LetterR ? 'R' : 'F') << CellTurn[x][y];
        }
        out << '\n';
    }
    return out.str();
}

BoardText Rows(std::initializer_list<std::pair<int, std::string>> rows)
{
    BoardText board;
    board.fill(std::string(2 * BoardColumns, ' '));
    for (auto& row : board)
        for (int x = 0; x < BoardColumns; ++x)
            row[2 * x] = '.';
    for (const auto& [y, text] : rows)
        board[y].replace(0, text.size(), text);
    return board;
}

std::string Text(const BoardText& board)
{
    std::string out;
    for (const auto& row : board)
        out += row + "\n";
    return out;
}

void GameTest::SetUp()
{
    SetCalendarSource([this] { return calendar; });
    SetTickSource([this] { return ticks; });
    Application->OnException = [this](const Exception& e) { errors.push_back(e.Message()); };
    form = std::make_unique<TForm1>(Application);
    Form1 = form.get();
}

void GameTest::TearDown()
{
    form.reset();
    Form1 = nullptr;
    Application->OnException = nullptr;
    SetCalendarSource(nullptr);
    SetTickSource(nullptr);
}

void GameTest::Start(std::int64_t second)
{
    calendar = second;
    form->Button1Click(&form->Button1);
}

void GameTest::SetBoard(const BoardText& rows)
{
    for (int y = 0; y < BoardRows; ++y) {
        ASSERT_EQ(rows[y].size(), 2u * BoardColumns) << "row " << y;
        for (int x = 0; x < BoardColumns; ++x) {
            const char k = rows[y][2 * x];
            const char t = rows[y][2 * x + 1];
            if (k == '.') {
                form->BlankCell(x, y);
                CellKind[x][y] = CellTurn[x][y] = Empty;
                continue;
            }
            const int kind = k == 'O' ? Ring : k == 'R' ? LetterR : LetterF;
            const int turn = kind == Ring ? 0 : t - '0';
            form->DrawTile(x, y, kind, turn);
            CellKind[x][y] = kind;
            CellTurn[x][y] = turn;
        }
    }
}

void GameTest::PlacePiece(int x, int y, int kind, int baseTurn, int dir)
{
    PieceX = x;
    PieceY = y;
    PieceKind = kind;
    PieceBaseTurn = baseTurn;
    PieceDir = dir;
    form->DrawPiece();
}

QImage RenderedTile(TForm1& form, int kind, int turn)
{
    TBitmap scratch;
    scratch.SetSize(CellSide, CellSide);
    scratch.Canvas().CopyRect(Rect(0, 0, CellSide, CellSide), form.TileImage(kind, turn).Canvas(),
        Rect(0, 0, TileSource, TileSource));
    return scratch.Image().copy();
}

bool CellEquals(const QImage& board, int x, int y, const QImage& expected)
{
    return board.copy(CellPitch * x, CellPitch * y, CellSide, CellSide) == expected;
}

bool CellIsBlank(const QImage& board, int x, int y)
{
    QImage blank(CellSide, CellSide, QImage::Format_RGB32);
    blank.fill(ToQRgb(BackColor));
    return CellEquals(board, x, y, blank);
}

void GameTest::ExpectBoardShowsGrids()
{
    const QImage board = BoardImage();
    for (int x = 0; x < BoardColumns; ++x) {
        for (int y = 0; y < BoardRows; ++y) {
            const int kind = CellKind[x][y];
            if (kind == Empty) {
                EXPECT_EQ(CellTurn[x][y], Empty) << "cell " << x << "," << y;
                EXPECT_TRUE(CellIsBlank(board, x, y)) << "cell " << x << "," << y << " should be blank\n"
                                                      << BoardToText();
            } else {
                EXPECT_TRUE(CellEquals(board, x, y, RenderedTile(*form, kind, CellTurn[x][y])))
                    << "cell " << x << "," << y << " does not show its tile\n"
                    << BoardToText();
            }
        }
    }
    const QRgb back = ToQRgb(BackColor);
    for (int p = 0; p < 480; ++p) {
        for (int s = CellSide; s < 360; s += CellPitch)
            ASSERT_EQ(board.pixel(s, p), back) << "seam column " << s << " row " << p;
    }
    for (int p = 0; p < 360; ++p) {
        for (int s = CellSide; s < 480; s += CellPitch)
            ASSERT_EQ(board.pixel(p, s), back) << "seam row " << s << " column " << p;
    }
}
