#include "random_play.h"

#include "engine/board.h"
#include "toolkit/runtime.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <sstream>

namespace {

// Texts a player might type or paste into the speed and target boxes.
const std::vector<std::string> HostileTexts = {
    "", "abc", "-", "+", "  ", " 12 ", "１２０", "３０", "0", "49", "501", "31", "2", "-5", "+30",
    "99999999999", "12\n34", "1e3", "0x10", "٣", "9\t9", std::string(100000, '9'),
};

// Keys other than the game's, including what the key preview must filter.
const std::vector<char32_t> OtherKeys = {U'a', U'z', U'0', U'9', U' ', U'-', U'ｊ', U'Ｋ', U'あ', U'\x7f', U'\t'};

std::string Escaped(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '+' || c == '-')
            out += char(c);
        else
            out += {'%', hex[c >> 4], hex[c & 15]};
    }
    return out;
}

bool Unescaped(const std::string& text, std::string& out)
{
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return false;
        out += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
        i += 2;
    }
    return true;
}

std::string Utf8(char32_t c) { return QString::fromUcs4(&c, 1).toStdString(); }

} // namespace

std::string PlayEvent::Token() const
{
    return std::string(1, action) + Escaped(argument) + "/" + std::to_string(advanceMs);
}

bool PlayEvent::FromToken(const std::string& token, PlayEvent& event)
{
    const auto slash = token.rfind('/');
    if (token.empty() || slash == std::string::npos || slash == 0)
        return false;
    event.action = token[0];
    event.advanceMs = std::stoi(token.substr(slash + 1));
    return Unescaped(token.substr(1, slash - 1), event.argument);
}

std::string SequenceText(const std::vector<PlayEvent>& events)
{
    std::string out;
    for (const PlayEvent& e : events)
        out += e.Token() + " ";
    return out;
}

bool ParseSequence(const std::string& text, std::vector<PlayEvent>& events)
{
    std::istringstream in(text);
    std::string token;
    events.clear();
    while (in >> token) {
        PlayEvent e;
        if (!PlayEvent::FromToken(token, e))
            return false;
        events.push_back(e);
    }
    return true;
}

// --- Driving the window --------------------------------------------------------

RandomPlay::RandomPlay()
{
    // The tick counter starts a minute before it wraps, so every long game
    // crosses the wrap.
    SetCalendarSource([this] { return 1'700'000'000 + clockMs_ / 1000; });
    SetTickSource([this] { return std::int32_t(std::uint32_t(0x7FFF0000u + std::uint64_t(clockMs_))); });
    Application->OnException = [this](const Exception& e) { errorBox_ = "error box: " + e.Message(); };
    form_ = std::make_unique<TForm1>(Application);
    Form1 = form_.get();
    for (int t = -1; t < 8; ++t) {
        const int kind = t < 0 ? Ring : t < 4 ? LetterR : LetterF;
        TBitmap cell;
        cell.SetSize(CellSide, CellSide);
        cell.Canvas().CopyRect(Rect(0, 0, CellSide, CellSide), form_->TileImage(kind, t & 3).Canvas(),
            Rect(0, 0, TileSource, TileSource));
        tiles_.push_back(cell.Image().convertToFormat(QImage::Format_RGB32));
    }
}

RandomPlay::~RandomPlay()
{
    form_.reset();
    Form1 = nullptr;
    Application->OnException = nullptr;
    SetCalendarSource(nullptr);
    SetTickSource(nullptr);
}

// A quarter of the games are played by a stacker that steers every piece to
// one column, letter up, so words (and wins) come up; the rest by random keys.
PlayEvent RandomPlay::NextEvent(std::mt19937& random)
{
    auto chance = [&](int percent) { return int(random() % 1000) < percent * 10; };
    PlayEvent e;
    e.advanceMs = int(random() % 300);
    const bool running = form_->Timer1.Enabled();
    if (!pending_.empty()) {
        e = pending_.front();
        pending_.erase(pending_.begin());
    } else if (!running && chance(30)) {
        e = StartEvent(random);
    } else if (running && plan_.stack && chance(50)) {
        const int column = StackColumn();
        const char* steer = PieceDir != DirUp ? "k" : PieceX > column ? "j" : PieceX < column ? "l" : "";
        e.action = *steer ? 'k' : 'r';
        e.argument = steer;
        if (!*steer)
            e.advanceMs = form_->Timer1.Interval();
    } else if (running && chance(45)) {
        e.action = 'r';
        e.advanceMs = form_->Timer1.Interval();
    } else if (chance(55)) {
        e.action = 'k';
        e.argument = Utf8(chance(85) ? char32_t("jJlLkK"[random() % 6]) : OtherKeys[random() % OtherKeys.size()]);
    } else {
        e = OtherEvent(random, running);
    }
    return e;
}

// The stacker's column for the moving piece: its plan's, where an F piece
// goes only when it makes a word with the R above (R, O, F, O downwards),
// and the column six over otherwise.
int RandomPlay::StackColumn() const
{
    const int column = plan_.column;
    if (PieceKind != LetterF)
        return column;
    // The bottom of the stack, not counting the piece itself.
    const TPoint letter = PieceLetterCell();
    auto piece = [&](int y) { return (column == PieceX && y == PieceY) || (column == letter.X && y == letter.Y); };
    int lowest = 0;
    while (lowest < BoardRows && CellKind[column][lowest] != Empty && !piece(lowest))
        ++lowest;
    --lowest;
    const bool fits = lowest >= 1 && CellKind[column][lowest] == Ring && CellKind[column][lowest - 1] == LetterR
        && CellTurn[column][lowest - 1] == (PieceBaseTurn - 1) % 4;
    return fits ? column : (column + 6) % BoardColumns;
}

// A start, with a new plan. A quarter of the games are the stacker's, who
// first sets a low target, so that games are won.
PlayEvent RandomPlay::StartEvent(std::mt19937& random)
{
    plan_ = {random() % 4 == 0, int(random() % BoardColumns)};
    PlayEvent start{'S', "", int(random() % 300)};
    if (!plan_.stack)
        return start;
    pending_ = {{'d', "", 0}, start};
    return {'G', std::to_string(3 + random() % 3), int(random() % 300)};
}

// The clock, restarts, the arrows and the boxes.
PlayEvent RandomPlay::OtherEvent(std::mt19937& random, bool running)
{
    auto chance = [&](int percent) { return int(random() % 1000) < percent * 10; };
    PlayEvent e;
    e.advanceMs = int(random() % 300);
    if (running && chance(40)) {
        e.action = 'e';
        e.advanceMs = int(random() % 1200);
    } else if (chance(plan_.stack ? 5 : 40)) {
        e = StartEvent(random);
    } else if (chance(40)) {
        e.action = chance(50) ? 's' : 'g';   // an arrow of the speed or target
        e.argument = chance(50) ? "+" : "-";
    } else if (chance(60)) {
        e.action = chance(50) ? 'T' : 'G';   // typed into the speed or target box
        // Each draw in a statement of its own: the order of operands is not fixed.
        const bool number = chance(70);
        const unsigned range = e.action == 'T' ? 560 : chance(50) ? 10 : 40;
        e.argument = number ? std::to_string(random() % range) : HostileTexts[random() % HostileTexts.size()];
    } else {
        e.action = chance(50) ? 't' : 'd';   // editing of a box ends
    }
    return e;
}

void RandomPlay::Key(char32_t character, QWidget* receiver)
{
    const QString text = QString::fromUcs4(&character, 1);
    int code = Qt::Key_unknown;
    if (character == U'\r')
        code = Qt::Key_Return;
    else if (character < 0x80 && std::isalpha(int(character)))
        code = Qt::Key_A + (std::toupper(int(character)) - 'A');
    const Qt::KeyboardModifiers shift = character < 0x80 && std::isupper(int(character)) ? Qt::ShiftModifier
                                                                                          : Qt::NoModifier;
    QKeyEvent press(QEvent::KeyPress, code, shift, text);
    QApplication::sendEvent(receiver, &press);
    QKeyEvent release(QEvent::KeyRelease, code, shift, text);
    QApplication::sendEvent(receiver, &release);
}

// Select everything in the box and type (or paste) over it.
void RandomPlay::Type(TEdit& box, const std::string& text)
{
    QLineEdit* line = box.LineEdit();
    line->selectAll();
    line->insert(QString::fromStdString(text));
}

void RandomPlay::FinishEditing(TEdit& box) { Key(U'\r', box.LineEdit()); }

void RandomPlay::Dispatch(const PlayEvent& e)
{
    switch (e.action) {
    // A tick arrives only while its timer runs, and as the timer delivers it.
    case 'r': if (form_->Timer1.Enabled()) InvokeHandler([this] { form_->Timer1.OnTimer(&form_->Timer1); }); break;
    case 'e': if (form_->Timer2.Enabled()) InvokeHandler([this] { form_->Timer2.OnTimer(&form_->Timer2); }); break;
    case 'k': {
        QWidget* focus = QApplication::focusWidget();
        Key(QString::fromStdString(e.argument).toUcs4().value(0), focus ? focus : form_->Window());
        break;
    }
    case 'S': form_->Button1.Click(); break;
    case 's': form_->TimeUD.Step(e.argument == "+" ? 1 : -1); break;
    case 'g': form_->DanUD.Step(e.argument == "+" ? 1 : -1); break;
    case 'T': Type(form_->TimeE, e.argument); break;
    case 'G': Type(form_->DanE, e.argument); break;
    case 't': FinishEditing(form_->TimeE); break;
    case 'd': FinishEditing(form_->DanE); break;
    default: throw std::runtime_error(std::string("unknown event ") + e.action);
    }
}

std::string RandomPlay::Apply(const PlayEvent& e)
{
    const int settledBefore = SettledTiles();
    const int clearBefore = ClearCount;
    const int stateBefore = State();
    clockMs_ += e.advanceMs;
    played_.push_back(e);
    ++totals_.events;
    try {
        Dispatch(e);
    } catch (const std::exception& error) {
        return std::string("escaped exception: ") + error.what();
    }
    if (!errorBox_.empty())
        return errorBox_;
    if (e.action == 'S') {
        started_ = true;
        ++totals_.games;
        intervalAtStart_ = 550 - form_->TimeUD.Position();
    }
    const int stateAfter = State();
    if (stateAfter != stateBefore && stateAfter == GameOver)
        ++totals_.gameOvers;
    if (stateAfter != stateBefore && stateAfter == Won)
        ++totals_.wins;
    if (e.action != 'S' && ClearCount > clearBefore)
        totals_.words += ClearCount - clearBefore;
    return CheckAll(e, settledBefore, clearBefore, stateBefore);
}

std::string RandomPlay::Play(std::uint32_t seed, int count)
{
    std::mt19937 random(seed);
    for (int i = 0; i < count; ++i) {
        const std::string violation = Apply(NextEvent(random));
        if (!violation.empty()) {
            ++totals_.violations;
            return violation;
        }
    }
    return "";
}

std::string RandomPlay::Replay(const std::vector<PlayEvent>& events)
{
    for (const PlayEvent& e : events) {
        const std::string violation = Apply(e);
        if (!violation.empty()) {
            ++totals_.violations;
            return violation;
        }
    }
    return "";
}
