#pragma once
// Builds small icon files and icon images for tests and fuzz seeds: the directory is real, the
// images carry only the header that the launcher reads, so the files stay a few hundred bytes.

#include <cstdint>
#include <vector>

namespace launcher::test {

struct IconImageSpec {
    std::uint8_t width = 32;        // as stored: 0 means 256
    std::uint8_t height = 32;
    std::uint8_t colourCount = 0;   // as stored: 0 means 256 or more
    std::uint16_t bitCount = 32;
    std::vector<std::uint8_t> image;
};

// Header, directory, then the images in order, each entry pointing at its own image.
std::vector<std::uint8_t> MakeIconFile(const std::vector<IconImageSpec>& images);

// The BITMAPINFOHEADER an icon image starts with; storedHeight covers colour part and mask.
std::vector<std::uint8_t> MakeBitmapInfoHeader(std::int32_t width, std::int32_t storedHeight);

// A PNG signature and IHDR chunk start: what a PNG icon image is measured from.
std::vector<std::uint8_t> MakePngHeader(std::uint32_t width, std::uint32_t height);

// A 32-bit entry of the given square size whose image is just its bitmap header.
IconImageSpec SquareIconImage(std::uint8_t size);

}  // namespace launcher::test
