#pragma once
#include <cstdint>

namespace launcher {

// Colours are 0x00BBGGRR; this value stands for "no colour": a setting holding it takes its fallback.
inline constexpr std::uint32_t kNoColour = 0xFF000000;

}  // namespace launcher
