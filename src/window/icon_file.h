#pragma once
// Reading an icon file (the window's Icon setting): its directory and the image that serves a
// given size. Every entry's image is checked to lie inside the file.

#include <cstdint>
#include <optional>
#include <vector>

#include "window/byte_reader.h"
#include "window/geometry.h"

namespace launcher {

struct IconEntry {
    int width = 0;           // from the directory; a stored 0 means 256
    int height = 0;
    int colourCount = 0;     // a stored 0 means 256 colours or more
    std::uint16_t bitCount = 0;
    Bytes image;             // a DIB (BITMAPINFOHEADER, colours, mask) or a PNG
};

std::optional<std::vector<IconEntry>> ReadIconFile(Bytes file);

// The first entry that is `width` pixels wide with at least 16 colours, or else the last entry.
const IconEntry* ChooseIconEntry(const std::vector<IconEntry>& entries, int width);

// The size an image is made at: its own bitmap header's width and half its stored height
// (colour part and mask together), or a PNG's own size. Fails for anything else, and for a
// height of 0, which the system would take as "the default size".
std::optional<Size> IconImageSize(Bytes image);

}  // namespace launcher
