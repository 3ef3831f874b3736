// What must hold after every event, whatever the player did.
#include "random_play.h"

#include "engine/board.h"

#include <cstring>
#include <sstream>

namespace {

std::string Cell(int x, int y)
{
    return "cell " + std::to_string(x) + "," + std::to_string(y) + " (kind " + std::to_string(CellKind[x][y])
        + ", turn " + std::to_string(CellTurn[x][y]) + ")";
}

bool OnBoard(int x, int y) { return x >= 0 && x < BoardColumns && y >= 0 && y < BoardRows; }

} // namespace

int RandomPlay::State() const
{
    const bool rising = form_->Timer1.Enabled();
    const bool ticking = form_->Timer2.Enabled();
    const bool over = form_->Label1.Visible();
    const bool won = form_->Label2.Visible();
    if (rising && ticking && !over && !won)
        return started_ ? Running : Invalid;
    if (rising || ticking)
        return Invalid;
    // A game won by the words of its last piece shows the win, and the game
    // over as well when the next piece then finds its entry cell taken.
    if (won)
        return Won;
    if (over)
        return GameOver;
    return started_ ? Invalid : BeforeFirstGame;
}

// Tiles on the board other than the moving piece's; once the game has
// ended, every tile.
int RandomPlay::SettledTiles() const
{
    int tiles = 0;
    for (int x = 0; x < BoardColumns; ++x)
        for (int y = 0; y < BoardRows; ++y)
            tiles += CellKind[x][y] != Empty;
    return State() == Running ? tiles - 2 : tiles;
}

std::string RandomPlay::CheckQuietSince(const Before& before) const
{
    PlayEvent key;
    key.action = 'k';
    return CheckAll(key, before.settled, before.clearCount, before.state);
}

std::string RandomPlay::CheckAll(const PlayEvent& event, int settledBefore, int clearBefore, int stateBefore) const
{
    for (const std::string& violation : {CheckState(), CheckRanges(), CheckGrids(), CheckPiece(),
             CheckWordCount(event, settledBefore, clearBefore, stateBefore), CheckBoardImage()}) {
        if (!violation.empty())
            return violation;
    }
    return "";
}

std::string RandomPlay::CheckState() const
{
    if (State() != Invalid)
        return "";
    std::ostringstream out;
    out << "the window is in no single state: rise timer " << form_->Timer1.Enabled() << ", clock timer "
        << form_->Timer2.Enabled() << ", game over " << form_->Label1.Visible() << ", win " << form_->Label2.Visible()
        << ", a game was started " << started_;
    return out.str();
}

std::string RandomPlay::CheckRanges() const
{
    const int speed = form_->TimeUD.Position();
    const int target = form_->DanUD.Position();
    if (speed < 50 || speed > 500)
        return "speed " + std::to_string(speed) + " outside 50..500";
    if (target < 3 || target > 30)
        return "target " + std::to_string(target) + " outside 3..30";
    if (!started_)
        return "";
    const int interval = form_->Timer1.Interval();
    if (interval < 50 || interval > 500 || interval != intervalAtStart_)
        return "rise interval " + std::to_string(interval) + ", set to " + std::to_string(intervalAtStart_)
            + " at the start";
    return "";
}

std::string RandomPlay::CheckGrids() const
{
    for (int x = 0; x < BoardColumns; ++x) {
        for (int y = 0; y < BoardRows; ++y) {
            const int kind = CellKind[x][y];
            const int turn = CellTurn[x][y];
            const bool valid = (kind == Empty && turn == Empty) || (kind == Ring && turn == 0)
                || ((kind == LetterR || kind == LetterF) && turn >= 0 && turn <= 3);
            if (!valid)
                return Cell(x, y) + " holds no possible tile";
            if (!started_ && kind != Empty)
                return Cell(x, y) + " holds a tile before the first game";
        }
    }
    return "";
}

std::string RandomPlay::CheckPiece() const
{
    if (State() != Running)
        return "";
    std::ostringstream piece;
    piece << "piece at " << PieceX << "," << PieceY << " kind " << PieceKind << " base turn " << PieceBaseTurn
          << " dir " << PieceDir;
    if (!OnBoard(PieceX, PieceY) || PieceKind < LetterR || PieceKind > LetterF || PieceBaseTurn < 1
        || PieceBaseTurn > 4 || PieceDir < DirUp || PieceDir > DirLeft)
        return piece.str() + ": no possible piece";
    if (CellKind[PieceX][PieceY] != Ring || CellTurn[PieceX][PieceY] != 0)
        return piece.str() + ": its ring's " + Cell(PieceX, PieceY);
    const TPoint letter = PieceLetterCell();
    if (!OnBoard(letter.X, letter.Y))
        return piece.str() + ": its letter is off the board";
    if (CellKind[letter.X][letter.Y] != PieceKind || CellTurn[letter.X][letter.Y] != (PieceBaseTurn - 1 + PieceDir) % 4)
        return piece.str() + ": its letter's " + Cell(letter.X, letter.Y);
    return "";
}

// Each word takes four tiles off the board, and nothing else does: the
// settled tiles only change when a piece stops, and then by the piece's two
// tiles, less four for each word counted, less one when the next piece's
// letter lands on a tile. After a win the next piece, if it was placed,
// counts as settled too (two more, or one where its letter covered a tile).
std::string RandomPlay::CheckWordCount(const PlayEvent& event, int settledBefore, int clearBefore, int stateBefore) const
{
    if (event.action == 'S')
        return ClearCount == 0 ? "" : "a new game starts with " + std::to_string(ClearCount) + " words";
    const int words = ClearCount - clearBefore;
    const int settledAfter = SettledTiles();
    const bool stopped = event.action == 'r' && stateBefore == Running && PieceY == SpawnY;
    if (!stopped) {
        if (words != 0 || settledAfter != settledBefore)
            return "without a piece stopping, " + std::to_string(words) + " words were counted and the settled tiles went from "
                + std::to_string(settledBefore) + " to " + std::to_string(settledAfter);
        return "";
    }
    const int lost = settledBefore + 2 - settledAfter - 4 * words;
    const int state = State();
    if (lost == 0 || (lost == 1 && state == Running) || ((lost == -1 || lost == -2) && state == Won))
        return "";
    return std::to_string(words) + " words counted, but the settled tiles went from " + std::to_string(settledBefore)
        + " to " + std::to_string(settledAfter) + " as a piece stopped";
}

// The whole board image, seams included, against one painted from the grids.
std::string RandomPlay::CheckBoardImage() const
{
    if (!started_)
        return "";
    const QImage& board = form_->Image1.Canvas().Image();
    if (board.width() != 360 || board.height() != 480 || board.format() != QImage::Format_RGB32)
        return "the board image is not 360 x 480 RGB32";
    const QRgb back = qRgb(GetRValue(BackColor), GetGValue(BackColor), GetBValue(BackColor));
    for (int y = 0; y < BoardRows; ++y) {
        for (int row = 0; row < CellPitch; ++row) {
            const auto* line = reinterpret_cast<const QRgb*>(board.constScanLine(CellPitch * y + row));
            for (int x = 0; x < BoardColumns; ++x) {
                const QRgb* at = line + CellPitch * x;
                const int kind = CellKind[x][y];
                const bool seamRow = row == CellSide;
                const QImage* tile = kind == Empty || seamRow ? nullptr
                    : &tiles_[kind == Ring ? 0 : (kind == LetterR ? 1 : 5) + CellTurn[x][y]];
                for (int col = 0; col < CellPitch; ++col) {
                    const bool seam = seamRow || col == CellSide;
                    const QRgb want = seam || !tile ? back : reinterpret_cast<const QRgb*>(tile->constScanLine(row))[col];
                    if ((at[col] | 0xFF000000u) != (want | 0xFF000000u))
                        return (seam ? "a seam next to " : "the image of ") + Cell(x, y) + " differs at pixel "
                            + std::to_string(col) + "," + std::to_string(row);
                }
            }
        }
    }
    return "";
}
