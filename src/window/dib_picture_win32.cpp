#include "window/dib_picture_win32.h"

#include "window/jpeg_decoder.h"

namespace launcher {
namespace {

// Creates the DIB section when the decoder knows the size, so pixels land in it directly.
class DibSink final : public PixelSink {
public:
    std::uint8_t* Allocate(int width, int height) override {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down, as the decoder writes rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap) return nullptr;
        size = {width, height};
        pixels = static_cast<std::uint8_t*>(bits);
        return pixels;
    }

    UniqueBitmap bitmap;
    std::uint8_t* pixels = nullptr;
    Size size;
};

}  // namespace

std::optional<DibPicture> DibPicture::Decode(Bytes bytes) {
    DibSink sink;
    if (bytes.empty() || !DecodeJpeg(bytes, sink) || !sink.bitmap) return std::nullopt;
    // The section was written through its pointer; GDI must see that before it blits.
    ::GdiFlush();
    return DibPicture(std::move(sink.bitmap), sink.pixels, sink.size);
}

void DibPicture::Draw(HDC dc, const Rect& dest) const {
    UniqueMemoryDc source(::CreateCompatibleDC(dc));
    if (!source) return;
    ScopedSelect select(source.Get(), bitmap_.Get());
    ::BitBlt(dc, dest.left, dest.top, std::min(dest.Width(), size_.width), std::min(dest.Height(), size_.height),
             source.Get(), 0, 0, SRCCOPY);
}

void DibPicture::DrawScaled(HDC dc, const Rect& dest) const {
    UniqueMemoryDc source(::CreateCompatibleDC(dc));
    if (!source) return;
    ScopedSelect select(source.Get(), bitmap_.Get());
    const int previousMode = ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::StretchBlt(dc, dest.left, dest.top, dest.Width(), dest.Height(), source.Get(), 0, 0, size_.width,
                 size_.height, SRCCOPY);
    ::SetStretchBltMode(dc, previousMode);
}

bool DibPicture::PixelIs(int x, int y, COLORREF colour) const {
    if (x < 0 || y < 0 || x >= size_.width || y >= size_.height) return false;
    const std::uint8_t* p = bits_ + (static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.width) +
                                     static_cast<std::size_t>(x)) * 4;
    return RGB(p[2], p[1], p[0]) == colour;
}

}  // namespace launcher
