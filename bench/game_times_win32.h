#pragma once
// Where quick_game leaves the moments it reached, for click_timer to split the time from the
// button's release to the launcher's end. click_timer creates the shared memory; a game started
// without it writes nothing.

#include <windows.h>

namespace bench {

inline constexpr wchar_t kGameTimesName[] = L"Local\\VaskoranBenchGameTimes";

// Milliseconds on bench::NowMs's clock; 0 until reached.
struct GameTimes {
    double entered;  // wWinMain began
    double looping;  // the window is shown and painted, the message loop starts
};

}  // namespace bench
