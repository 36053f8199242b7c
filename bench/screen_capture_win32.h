#pragma once
// Reads what the screen shows, for checking that a window is painted at a given moment.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top-down rows

    bool operator==(const ScreenPixels&) const = default;
};

// The screen's pixels in `area` (screen coordinates); empty when the screen cannot be read.
ScreenPixels CaptureScreen(const RECT& area);

// How many pixels differ; every pixel counts when the sizes differ.
std::size_t DifferingPixels(const ScreenPixels& a, const ScreenPixels& b);

// Saves the pixels as a 32-bit BMP file.
bool WriteBmp(const std::wstring& path, const ScreenPixels& image);

}  // namespace bench
