// Random play: the real window driven through long random sequences of the
// events a player and the clock can cause, checked after every event.
#pragma once

#include "ROFOmain.h"
#include "engine/board.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

// One event and the milliseconds the clock moves before it. As text, a
// token "<action><argument>/<ms>", the argument %-escaped.
struct PlayEvent {
    char action = 'r';
    std::string argument;
    int advanceMs = 0;

    std::string Token() const;
    static bool FromToken(const std::string& token, PlayEvent& event);
};

std::string SequenceText(const std::vector<PlayEvent>& events);
bool ParseSequence(const std::string& text, std::vector<PlayEvent>& events);

// The window's states, told apart by its timers and labels.
enum WindowState { Invalid = -1, BeforeFirstGame, Running, GameOver, Won };

struct PlayTotals {
    long long events = 0;
    long long games = 0;
    long long gameOvers = 0;
    long long wins = 0;
    long long words = 0;
    long long violations = 0;
};

// Owns one window for its lifetime, so its faults stay with one seed.
class RandomPlay {
public:
    RandomPlay();
    ~RandomPlay();

    // Plays `count` events drawn from `seed`. Returns the first violation,
    // or "" when every check held.
    std::string Play(std::uint32_t seed, int count);
    // Plays the given events in order, with the same checks.
    std::string Replay(const std::vector<PlayEvent>& events);

    // What the checks compare an event's outcome with: the state before it.
    struct Before {
        int settled;
        int clearCount;
        int state;
    };
    Before Now() const { return {SettledTiles(), ClearCount, State()}; }
    // The checks, for an event that should have changed nothing since `before`.
    std::string CheckQuietSince(const Before& before) const;

    TForm1& Form() { return *form_; }
    const std::vector<PlayEvent>& Played() const { return played_; }
    const PlayTotals& Totals() const { return totals_; }

private:
    PlayEvent NextEvent(std::mt19937& random);
    PlayEvent OtherEvent(std::mt19937& random, bool running);
    int StackColumn() const;
    PlayEvent StartEvent(std::mt19937& random);
    std::string Apply(const PlayEvent& event);
    void Dispatch(const PlayEvent& event);
    void Type(TEdit& box, const std::string& text);
    void FinishEditing(TEdit& box);
    void Key(char32_t character, QWidget* receiver);

    std::string CheckAll(const PlayEvent& event, int settledBefore, int clearBefore, int stateBefore) const;
    std::string CheckState() const;
    std::string CheckRanges() const;
    std::string CheckGrids() const;
    std::string CheckPiece() const;
    std::string CheckWordCount(const PlayEvent& event, int settledBefore, int clearBefore, int stateBefore) const;
    std::string CheckBoardImage() const;
    int State() const;
    int SettledTiles() const;

    std::unique_ptr<TForm1> form_;
    std::vector<QImage> tiles_;   // ring, R0..R3, F0..F3, rendered in a cell
    std::vector<PlayEvent> played_;
    PlayTotals totals_;
    std::int64_t clockMs_ = 0;
    bool started_ = false;
    int intervalAtStart_ = 0;
    std::string errorBox_;
    struct Plan {
        bool stack = false;
        int column = 0;
    } plan_;
    std::vector<PlayEvent> pending_;   // the rest of a planned start
};
