#pragma once
// JPEG pictures of the window template decoded to 32-bit BGRX rows (blue, green, red, unused),
// top-down, stride width * 4: the layout of a top-down 32-bit DIB, so the Win32 layer can decode
// straight into a DIB section.

#include <cstdint>
#include <vector>

#include "window/byte_reader.h"

namespace launcher {

// Pictures larger than this count as undecodable rather than triggering an absurd allocation.
inline constexpr std::uint64_t kMaxPicturePixels = std::uint64_t{1} << 25;  // 32 Mpx, 128 MiB

// Receives the decoded picture; Allocate returns storage for height rows of width * 4 bytes,
// or nullptr to refuse (the decode then fails).
class PixelSink {
public:
    virtual std::uint8_t* Allocate(int width, int height) = 0;

protected:
    ~PixelSink() = default;
};

// False for anything that is not a decodable baseline or progressive JPEG: damaged data,
// zero or oversized dimensions, a colour space other than grayscale, RGB or YCbCr.
// Grayscale pictures are spread to three equal components.
bool DecodeJpeg(Bytes jpeg, PixelSink& sink);

// A decoded picture held in memory, for code that does not decode into a DIB.
struct Image final : PixelSink {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // BGRX, top-down

    std::uint8_t* Allocate(int w, int h) override;
};

}  // namespace launcher
