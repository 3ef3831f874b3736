// Random play from many seeds. The seeds, their number and their length come
// from the environment, so the same test gives the bounded slice that every
// run has and the long run of bench/random_play.sh:
//   ROFO_PLAY_SEEDS (40), ROFO_PLAY_EVENTS (2500 a seed), ROFO_PLAY_FIRST_SEED (1)
//   ROFO_PLAY_REPLAY="<tokens>"   replays one printed sequence instead.
#include "random_play.h"

#include "toolkit/runtime.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include <cstdlib>
#include <functional>

namespace {

long long Setting(const char* name, long long fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::atoll(value) : fallback;
}

std::string Figures(const PlayTotals& t)
{
    return std::to_string(t.events) + " events, " + std::to_string(t.games) + " games (" + std::to_string(t.gameOvers)
        + " game overs, " + std::to_string(t.wins) + " wins), " + std::to_string(t.words) + " words, "
        + std::to_string(t.violations) + " violations";
}

// The grids, the word count and the piece's place, as one string.
std::string GameFingerprint()
{
    std::string cells;
    for (int x = 0; x < BoardColumns; ++x)
        for (int y = 0; y < BoardRows; ++y)
            cells += char('a' + CellKind[x][y] + 1) + std::to_string(CellTurn[x][y]);
    return cells + " " + std::to_string(ClearCount) + " " + std::to_string(PieceX) + "," + std::to_string(PieceY);
}

} // namespace

TEST(RandomPlay, EveryInvariantHoldsAfterEveryEvent)
{
    if (const char* replay = std::getenv("ROFO_PLAY_REPLAY")) {
        std::vector<PlayEvent> events;
        ASSERT_TRUE(ParseSequence(replay, events) && !events.empty()) << "ROFO_PLAY_REPLAY is not a printed sequence";
        RandomPlay play;
        const std::string violation = play.Replay(events);
        EXPECT_EQ(violation, "") << "after event " << play.Played().size() << ": " << play.Played().back().Token();
        return;
    }
    const long long seeds = Setting("ROFO_PLAY_SEEDS", 40);
    const long long perSeed = Setting("ROFO_PLAY_EVENTS", 2500);
    const long long first = Setting("ROFO_PLAY_FIRST_SEED", 1);
    PlayTotals all;
    for (long long seed = first; seed < first + seeds; ++seed) {
        RandomPlay play;
        const std::string violation = play.Play(std::uint32_t(seed), int(perSeed));
        const PlayTotals& t = play.Totals();
        all.events += t.events;
        all.games += t.games;
        all.gameOvers += t.gameOvers;
        all.wins += t.wins;
        all.words += t.words;
        all.violations += t.violations;
        if (!violation.empty()) {
            ADD_FAILURE() << "seed " << seed << ", event " << play.Played().size() << " ("
                          << play.Played().back().Token() << "): " << violation << "\nreplay with ROFO_PLAY_REPLAY='"
                          << SequenceText(play.Played()) << "'";
        }
    }
    std::printf("random play: %lld seeds from %lld: %s\n", seeds, first, Figures(all).c_str());
    EXPECT_GE(all.games, seeds) << "every seed plays at least one game";
    EXPECT_GT(all.gameOvers, 0);
}

TEST(RandomPlay, PrintedSequencesReplayExactly)
{
    RandomPlay original;
    ASSERT_EQ(original.Play(7, 3000), "");
    const std::string printed = SequenceText(original.Played());
    const std::string board = GameFingerprint();
    std::vector<PlayEvent> parsed;
    ASSERT_TRUE(ParseSequence(printed, parsed));
    ASSERT_EQ(parsed.size(), original.Played().size());
    RandomPlay again;
    ASSERT_EQ(again.Replay(parsed), "");
    EXPECT_EQ(GameFingerprint(), board);
    EXPECT_EQ(SequenceText(again.Played()), printed);

    // Typed text survives the escaping, newlines and full-width digits included.
    PlayEvent typed{'T', "１２\n %/x", 5}, back;
    ASSERT_TRUE(PlayEvent::FromToken(typed.Token(), back));
    EXPECT_EQ(back.argument, typed.argument);
    EXPECT_EQ(back.advanceMs, 5);
}

// Each check must catch the fault it is there for.
TEST(RandomPlay, ChecksCatchEachKindOfFault)
{
    const struct {
        const char* fault;
        std::function<void(TForm1&)> inject;
    } cases[] = {
        {"a grid cell changes but the image does not", [](TForm1&) { CellKind[0][0] = Ring, CellTurn[0][0] = 0; }},
        {"the image changes but the grids do not", [](TForm1& f) { f.DrawTile(0, 0, LetterR, 1); }},
        {"a seam is painted", [](TForm1& f) { f.Image1.Canvas().Brush.Color = clWhite; f.Image1.Canvas().FillRect(Rect(29, 0, 30, 1)); }},
        {"the kind and turn grids disagree", [](TForm1&) { CellTurn[0][0] = 2; }},
        {"the ring is recorded turned", [](TForm1&) { CellTurn[PieceX][PieceY] = 1; }},
        {"the letter keeps an old turn", [](TForm1&) { PieceBaseTurn = PieceBaseTurn % 4 + 1; }},
        {"the piece names a cell off the board", [](TForm1&) { PieceX = 12; }},
        {"a word is counted without one", [](TForm1&) { ++ClearCount; }},
        {"one timer runs alone", [](TForm1& f) { f.Timer2.SetEnabled(false); }},
        {"both labels show", [](TForm1& f) { f.Label1.SetVisible(true); f.Timer1.SetEnabled(false); f.Timer2.SetEnabled(false); f.Label2.SetVisible(true); }},
        {"the speed leaves its range", [](TForm1& f) { f.TimeUD.SetRange(0, 1000); f.TimeUD.SetPosition(40); }},
        {"the rise interval is not the one set", [](TForm1& f) { f.Timer1.SetInterval(20); }},
    };
    for (const auto& c : cases) {
        RandomPlay play;
        ASSERT_EQ(play.Play(11, 40), "");
        ASSERT_EQ(play.Form().Timer1.Enabled() ? "running" : "stopped", std::string("running")) << "seed 11 after 40 events";
        const RandomPlay::Before before = play.Now();
        c.inject(play.Form());
        EXPECT_NE(play.CheckQuietSince(before), "") << c.fault;
    }
}

// The driver's events reach the real controls: keys through the key
// preview, typing through the box, ticks through the timers' handlers.
TEST(RandomPlay, EventsReachTheRealControls)
{
    RandomPlay play;
    TForm1& form = play.Form();
    std::vector<PlayEvent> events;
    ASSERT_TRUE(ParseSequence("T300/0 S/0", events));
    ASSERT_EQ(play.Replay(events), "");
    EXPECT_EQ(form.TimeUD.Position(), 300);
    EXPECT_EQ(form.Timer1.Interval(), 250);
    const int x = PieceX, y = PieceY;
    ASSERT_TRUE(ParseSequence("kl/0 r/250 Tabc/0 t/0 e/2000", events));
    ASSERT_EQ(play.Replay(events), "");
    EXPECT_EQ(PieceX, x + 1);
    EXPECT_EQ(PieceY, y - 1);
    EXPECT_EQ(form.TimeUD.Position(), 300);
    EXPECT_EQ(form.TimeE.Text(), "300") << "the box shows the position once editing ends";
    EXPECT_EQ(form.ShoyouE.Text(), "    0 分 2 秒");
}
