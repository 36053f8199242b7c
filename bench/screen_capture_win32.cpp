#include "screen_capture_win32.h"

#include <algorithm>
#include <cstring>

#include "bench_support_win32.h"

namespace bench {
namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

class ScreenDc {
public:
    ScreenDc() : dc_(::GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_ != nullptr) ::ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

ScreenPixels CaptureScreen(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return {};
    const ScreenDc screen;
    const UniqueMemoryDc memory(::CreateCompatibleDC(screen.Get()));
    const BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    const UniqueBitmap bitmap(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (screen.Get() == nullptr || !memory || !bitmap) return {};
    {
        const ScopedSelect select(memory.get(), bitmap.get());
        if (!::BitBlt(memory.get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY)) return {};
    }
    ::GdiFlush();
    ScreenPixels image{width, height, {}};
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::memcpy(image.pixels.data(), bits, image.pixels.size() * sizeof(std::uint32_t));
    for (auto& pixel : image.pixels) pixel &= 0x00FFFFFF;  // the unused byte is not part of the picture
    return image;
}

std::size_t DifferingPixels(const ScreenPixels& a, const ScreenPixels& b) {
    if (a.width != b.width || a.height != b.height) return std::max(a.pixels.size(), b.pixels.size());
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) count += a.pixels[i] != b.pixels[i] ? 1 : 0;
    return count;
}

bool WriteBmp(const std::wstring& path, const ScreenPixels& image) {
    const DWORD pixelBytes = static_cast<DWORD>(image.pixels.size() * sizeof(std::uint32_t));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + pixelBytes;
    const BITMAPINFO info = TopDown32(image.width, image.height);

    const HANDLE created =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) return false;
    const UniqueHandle out(created);
    DWORD written = 0;
    return ::WriteFile(out.get(), &file, sizeof file, &written, nullptr) &&
           ::WriteFile(out.get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
           ::WriteFile(out.get(), image.pixels.data(), pixelBytes, &written, nullptr);
}

}  // namespace bench
