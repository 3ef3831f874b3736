// The time since the start, renewed at every tick from the clock itself, so
// a late or missed tick does not make the display drift.
#include "ROFOmain.h"
#include "engine/board.h"
#include "toolkit/runtime.h"

#include <cstdint>
#include <string>

// "    M 分 R 秒"; minutes go on past 59.
std::string ElapsedText(int startClock, int nowClock)
{
    // An unsigned difference stays right when the tick counter wraps.
    const std::uint32_t elapsed = std::uint32_t(nowClock) - std::uint32_t(startClock);
    const std::uint32_t seconds = elapsed / 1000;
    return "    " + std::to_string(seconds / 60) + " 分 " + std::to_string(seconds % 60) + " 秒";
}

void TForm1::Timer2Timer(TObject*)
{
    NowClock = TickCount();
    ShoyouE.SetText(ElapsedText(StartClock, NowClock));
}
