#pragma once
// The launcher's startup window as the template stores it: ids, values, the three units with
// their rectangles, flags and event bindings. The unit settings are the caller's, so tests can
// use small fakes and the fuzz seeds real blocks.

#include <cstdint>
#include <vector>

#include "window/window_template_writer.h"

namespace launcher::test {

inline constexpr std::uint32_t kLauncherWindowId = 0x52010001;
inline constexpr std::uint32_t kLauncherWindowSecondValue = 0x19010004;
inline constexpr std::uint32_t kWindowUnitId = 0x06010000;
inline constexpr std::uint32_t kStartButtonUnitId = 0x1601000B;
inline constexpr std::uint32_t kStudioLabelUnitId = 0x16010003;
inline constexpr std::uint32_t kStartGameHandler = 256;
inline constexpr std::uint32_t kOpenStudioPageHandler = 0;
inline constexpr std::int32_t kClickEvent = 0;
inline constexpr std::int32_t kLeftButtonDownEvent = -1;

struct LauncherUnitSettings {
    std::vector<std::uint8_t> window;
    std::vector<std::uint8_t> startButton;
    std::vector<std::uint8_t> studioLabel;
};

WindowDefinition LauncherWindow(const LauncherUnitSettings& settings);

}  // namespace launcher::test
