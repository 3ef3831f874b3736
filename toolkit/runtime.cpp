#include "runtime.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <ctime>

namespace {

std::uint32_t randomState = 1;
std::function<std::int64_t()> calendarSource;
std::function<std::int32_t()> tickSource;

const QElapsedTimer& ProcessClock()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock;
}

// Starts the clock while the process starts, not at its first reading.
[[maybe_unused]] const QElapsedTimer& processClockStarted = ProcessClock();

} // namespace

void SeedRandom(std::uint32_t seed) { randomState = seed; }

// The classic linear congruential generator with 15-bit results.
int NextRandom()
{
    randomState = randomState * 1103515245u + 12345u;
    return int((randomState >> 16) & 0x7fff);
}

std::int64_t CalendarSeconds()
{
    if (calendarSource)
        return calendarSource();
    return std::int64_t(std::time(nullptr));
}

std::int32_t TickCount()
{
    if (tickSource)
        return tickSource();
    return std::int32_t(std::uint32_t(ProcessClock().elapsed()));
}

void SetCalendarSource(std::function<std::int64_t()> source) { calendarSource = std::move(source); }
void SetTickSource(std::function<std::int32_t()> source) { tickSource = std::move(source); }

TMouse Mouse;

TPoint TMouse::CursorPos() const
{
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void TMouse::SetCursorPos(TPoint position)
{
    // Wayland compositors do not let clients warp the pointer.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        return;
    QCursor::setPos(position.X, position.Y);
}
