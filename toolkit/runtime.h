// The run-time pieces the game relies on: one process-wide pseudo-random
// generator, the calendar time in whole seconds, a millisecond clock since
// the process started, and the mouse pointer.
#pragma once

#include "types.h"

#include <cstdint>
#include <functional>

constexpr int RandMax = 32767;

void SeedRandom(std::uint32_t seed);
// The next value of the generator, 0..RandMax.
int NextRandom();

// Local calendar time, counted in whole seconds.
std::int64_t CalendarSeconds();
// Milliseconds since the process started, as a signed 32-bit reading that
// wraps around like the system tick counter.
std::int32_t TickCount();

// Seams for tests: replace the calendar or the millisecond clock; an empty
// function restores the real one.
void SetCalendarSource(std::function<std::int64_t()> source);
void SetTickSource(std::function<std::int32_t()> source);

class TMouse {
public:
    // The pointer in screen coordinates. Where the display server does not
    // let programs move the pointer, setting it does nothing.
    TPoint CursorPos() const;
    void SetCursorPos(TPoint position);
};

extern TMouse Mouse;
