#pragma once
// A template picture decoded straight into a top-down 32-bit DIB section, drawn with BitBlt.

#include <windows.h>

#include <optional>

#include "window/byte_reader.h"
#include "window/geometry.h"
#include "window/win32_handles.h"

namespace launcher {

class DibPicture {
public:
    // Nothing for bytes that are not a decodable picture.
    static std::optional<DibPicture> Decode(Bytes bytes);

    Size Dimensions() const { return size_; }
    // Draws the picture's top-left part at dest's size (cut, never scaled).
    void Draw(HDC dc, const Rect& dest) const;
    // Draws the whole picture scaled into dest.
    void DrawScaled(HDC dc, const Rect& dest) const;
    // True when the pixel at (x, y) has exactly this 0x00BBGGRR colour.
    bool PixelIs(int x, int y, COLORREF colour) const;

private:
    DibPicture(UniqueBitmap bitmap, const std::uint8_t* bits, Size size)
        : bitmap_(std::move(bitmap)), bits_(bits), size_(size) {}

    UniqueBitmap bitmap_;
    const std::uint8_t* bits_ = nullptr;  // owned by bitmap_
    Size size_;
};

}  // namespace launcher
