// The game's handlers timed on the real window, shown on Qt's offscreen
// platform, with the calendar and the millisecond clock frozen so every run
// plays the same pieces. Repaints the handlers ask for are flushed outside
// the timed part, except in the "whole step" cases, which time the handler
// and the repaint it causes together.
#include "ROFOmain.h"
#include "engine/board.h"
#include "toolkit/runtime.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

std::int32_t ticks = 0;

// A shown window with a game started, as a player would have it.
struct Game {
    Game()
    {
        form = std::make_unique<TForm1>(Application);
        Form1 = form.get();
        form->Show();
        Flush();
        form->Button1Click(&form->Button1);
        // The timers stay on, as keys need, but never tick by themselves:
        // each benchmark makes its own ticks.
        form->Timer1.SetInterval(1 << 30);
        form->Timer2.SetInterval(1 << 30);
        Flush();
    }
    ~Game() { Form1 = nullptr; }

    static void Flush() { QCoreApplication::processEvents(); }

    void Place(int x, int y, int kind, int baseTurn, int dir)
    {
        form->ErasePiece();
        PieceX = x;
        PieceY = y;
        PieceKind = kind;
        PieceBaseTurn = baseTurn;
        PieceDir = dir;
        form->DrawPiece();
    }

    // Fills the grids and the board image from 16 rows of two-character
    // cells: ". " empty, "O " ring, "R0".."F3" letters with their turn.
    void SetBoard(const char* const rows[BoardRows])
    {
        for (int y = 0; y < BoardRows; ++y) {
            for (int x = 0; x < BoardColumns; ++x) {
                const char k = rows[y][2 * x];
                const int kind = k == '.' ? Empty : k == 'O' ? Ring : k == 'R' ? LetterR : LetterF;
                const int turn = kind == Empty ? Empty : kind == Ring ? 0 : rows[y][2 * x + 1] - '0';
                CellKind[x][y] = kind;
                CellTurn[x][y] = turn;
                if (kind == Empty)
                    form->BlankCell(x, y);
                else
                    form->DrawTile(x, y, kind, turn);
            }
        }
    }

    std::unique_ptr<TForm1> form;
};

// Every `period` iterations, runs `reset` and flushes repaints untimed.
template <class Reset>
void Untimed(benchmark::State& state, int& count, int period, Reset reset)
{
    if (++count % period != 0)
        return;
    state.PauseTiming();
    reset();
    Game::Flush();
    state.ResumeTiming();
}

void RiseTick(benchmark::State& state)
{
    Game game;
    game.Place(SpawnX, SpawnY, LetterR, 1, DirDown);
    int count = 0;
    for (auto _ : state) {
        game.form->Timer1Timer(&game.form->Timer1);
        // The piece rises from row 14 to row 1; put it back before it locks.
        Untimed(state, count, 12, [&] { game.Place(SpawnX, SpawnY, LetterR, 1, DirDown); });
    }
}
BENCHMARK(RiseTick);

void RiseTickWholeStep(benchmark::State& state)
{
    Game game;
    game.Place(SpawnX, SpawnY, LetterR, 1, DirDown);
    int count = 0;
    for (auto _ : state) {
        game.form->Timer1Timer(&game.form->Timer1);
        Game::Flush();
        Untimed(state, count, 12, [&] { game.Place(SpawnX, SpawnY, LetterR, 1, DirDown); });
    }
}
BENCHMARK(RiseTickWholeStep);

void KeyRefused(benchmark::State& state)
{
    Game game;
    game.Place(0, SpawnY, LetterR, 1, DirUp);   // at the left wall: j cannot move it
    for (auto _ : state) {
        char32_t key = U'j';
        game.form->FormKeyPress(game.form.get(), key);
    }
    if (PieceX != 0)
        state.SkipWithError("the refused key moved the piece");
}
BENCHMARK(KeyRefused);

void KeyAccepted(benchmark::State& state)
{
    Game game;
    game.Place(SpawnX, SpawnY, LetterR, 1, DirUp);
    int count = 0;
    for (auto _ : state) {
        char32_t key = count % 2 ? U'l' : U'j';
        game.form->FormKeyPress(game.form.get(), key);
        Untimed(state, count, 16, [] {});
    }
    if (PieceX != SpawnX && PieceX != SpawnX - 1)
        state.SkipWithError("j and l did not move the piece back and forth");
}
BENCHMARK(KeyAccepted);

void KeyAcceptedWholeStep(benchmark::State& state)
{
    Game game;
    game.Place(SpawnX, SpawnY, LetterR, 1, DirUp);
    int count = 0;
    for (auto _ : state) {
        char32_t key = count++ % 2 ? U'l' : U'j';
        game.form->FormKeyPress(game.form.get(), key);
        Game::Flush();
    }
}
BENCHMARK(KeyAcceptedWholeStep);

// Runs a lock from a saved board: the board and piece are restored untimed
// before each tick, which finds the piece cannot rise, settles the board
// and spawns the next piece.
void TimeLocks(benchmark::State& state, Game& game, int x, int y, int kind, int baseTurn, int dir)
{
    game.Place(x, y, kind, baseTurn, dir);
    int savedKind[BoardColumns][BoardRows];
    int savedTurn[BoardColumns][BoardRows];
    std::memcpy(savedKind, CellKind, sizeof CellKind);
    std::memcpy(savedTurn, CellTurn, sizeof CellTurn);
    long long words = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Game::Flush();
        std::memcpy(CellKind, savedKind, sizeof CellKind);
        std::memcpy(CellTurn, savedTurn, sizeof CellTurn);
        PieceX = x;
        PieceY = y;
        PieceKind = kind;
        PieceBaseTurn = baseTurn;
        PieceDir = dir;
        ClearCount = 0;
        state.ResumeTiming();
        game.form->Timer1Timer(&game.form->Timer1);
        words += ClearCount;
    }
    state.counters["words"] = benchmark::Counter(double(words), benchmark::Counter::kAvgIterations);
    if (!game.form->Timer1.Enabled())
        state.SkipWithError("the lock ended the game");
}

// Every cell full but the spawn column's lower part, with R, O and F tiles
// whose near-words fail only on the F's turn, in both directions: the scan
// reads the most cells and finds nothing.
const char* const NearlyFull[BoardRows] = {
    "R0O F1O R0O F1O R0O F1O ",
    "F1O R0O F1O R0O F1O R0O ",
    "R0O F1O R0O F1O R0O F1O ",
    "F1O R0O F1O R0O F1O R0O ",
    "R0O F1O R0O F1O R0O F1O ",
    "F1O R0O F1O R0O F1O R0O ",
    "R0O F1O R0O F1O R0O F1O ",
    "F1O R0O F1O R0O F1O R0O ",
    "R0O F1O R0O F1O R0O F1O ",
    "F1O R0O F1O R0O F1O R0O ",
    "R0O F1O R0O F1O R0O F1O ",
    "F1O R0O F1O R0O F1O R0O ",
    "R0O F1O R0O . O R0O F1O ",
    "F1O R0O F1O . O F1O R0O ",
    "R0O F1O R0O . O R0O F1O ",
    "F1O R0O F1O . O F1O R0O ",
};

void LockNoWord(benchmark::State& state)
{
    Game game;
    game.SetBoard(NearlyFull);
    // The piece stopped under row 11's ring, its letter below it.
    TimeLocks(state, game, 6, 12, LetterR, 1, DirDown);
}
BENCHMARK(LockNoWord);

// A lock that sets off a chain: the piece (ring at column 3, row 0, its R
// below) completes the word on row 0; each clear lifts four columns by a
// row and brings the next word into row 0, zig-zagging over the board, five
// words in all. Every other cell holds F3, which no word can use, so every
// clear lifts a full column.
const char* const ZigZag[BoardRows] = {
    "R0O F0. O F0O O F0O F3F3",
    "F3F3F3. F0O R0F0O R0F3F3",
    "F3F3F3O F3F3O F3F3F3F3F3",
    "F3F3F3F3F3F3R0F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
    "F3F3F3F3F3F3F3F3F3F3F3F3",
};

void ChainZigZag(benchmark::State& state)
{
    Game game;
    game.form->DanUD.SetPosition(30);   // the chain must not win the game
    game.SetBoard(ZigZag);
    TimeLocks(state, game, 3, 0, LetterR, 3, DirDown);
}
BENCHMARK(ChainZigZag);

// The longest chain bench/chain_search.py found for the same piece: 29
// words from one lock (one short of the highest clear target, so the game
// goes on), with no word on the board before the piece came. It is not
// known that a game can reach this board; it bounds what one lock can cost.
const char* const Searched[BoardRows] = {
    "O F0O O F0O R0O O R0R0O ",
    "O R0O R0O O O F0F0O O F0",
    "F3O F0F0R0F0F0O O O F0O ",
    "R0R0O O O O F0O F0F0F0O ",
    "O F0O F0O O R0R0O O O O ",
    "F3F3R0R0O R0F0F3F0O R0O ",
    "F0O O F0R0R0R0O R0O F0R0",
    "O F0O O O F3O R0F0F3O F0",
    "F3F0F0R0R0F0R0O O O F0F0",
    "F0O O O R0O R0O R0O F0R0",
    "R0F0O F3F3R0O O R0O O O ",
    "O R0O R0F0F3O O R0O R0O ",
    "F3F0F3F0F3F3F3R0O O F3O ",
    "F0O O F0R0O F3F3R0F0F0R0",
    "R0O O O F0R0R0F3F0R0F0O ",
    "F0F0F3O O R0F3R0R0F3O F0",
};

void WorstChain(benchmark::State& state)
{
    Game game;
    game.form->DanUD.SetPosition(30);
    game.SetBoard(Searched);
    TimeLocks(state, game, 3, 0, LetterR, 3, DirDown);
}
BENCHMARK(WorstChain);

void GameStart(benchmark::State& state)
{
    Game game;
    for (auto _ : state) {
        game.form->Button1Click(&game.form->Button1);
        state.PauseTiming();
        game.form->Timer1.SetInterval(1 << 30);
        game.form->Timer2.SetInterval(1 << 30);
        Game::Flush();
        state.ResumeTiming();
    }
}
BENCHMARK(GameStart);

void ElapsedTick(benchmark::State& state)
{
    Game game;
    for (auto _ : state) {
        ticks += 1000;
        game.form->Timer2Timer(&game.form->Timer2);
    }
}
BENCHMARK(ElapsedTick);

void AdvanceProgressStrip(benchmark::State& state)
{
    Game game;
    game.form->DanUD.SetPosition(30);
    for (auto _ : state) {
        game.form->AdvanceProgress();
        if (ClearCount == 29)
            ClearCount = 0;   // never reach the target, which ends the game
    }
}
BENCHMARK(AdvanceProgressStrip)->Name("AdvanceProgress");

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    SetCalendarSource([] { return std::int64_t(1000); });
    SetTickSource([] { return ticks; });
    Application->Initialize("rofo");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Application->Finalize();
    return 0;
}
