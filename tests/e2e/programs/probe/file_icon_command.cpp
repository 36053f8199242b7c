// probe file-icon: the icon a program file shows in the shell, taken from the file as the shell
// takes it (ExtractIconExW for the large and small icon, PrivateExtractIconsW at 32 and 16
// pixels), each with its pixels, so a test can compare the picture with the icon file it came from.

#include "subcommand.h"
#include "win_handles.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace probe {
namespace {

constexpr OptionSpec kOptions[] = {{L"--file", true}};
constexpr int kSizes[] = {32, 16};
constexpr LONG kLargestIcon = 256;

// The screen's device context, released when the owner goes away.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

std::string HexOf(const std::vector<BYTE>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * bytes.size());
    for (const BYTE b : bytes) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0xF];
    }
    return hex;
}

// Size and colour pixels as top-down rows of BGRA, alpha included, in lower-case hex.
JsonObject IconPixels(HICON icon) {
    JsonObject facts;
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return facts.Text("error", "no icon");
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    BITMAP bitmap{};
    if (!colour || GetObjectW(colour.get(), sizeof bitmap, &bitmap) == 0) {
        return facts.Text("error", "a monochrome icon has no colour pixels");
    }
    const LONG width = bitmap.bmWidth;
    const LONG height = bitmap.bmHeight;
    facts.Number("width", width).Number("height", height);
    if (width <= 0 || height <= 0 || width > kLargestIcon || height > kLargestIcon) {
        return facts.Text("error", "unexpected icon size");
    }

    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -height;  // top-down rows
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<BYTE> bgra(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    const ScreenDc screen;
    if (GetDIBits(screen.Get(), colour.get(), 0, static_cast<UINT>(height), bgra.data(), &request, DIB_RGB_COLORS) !=
        height) {
        return facts.Text("error", "GetDIBits failed");
    }
    return facts.Text("bgra", HexOf(bgra));
}

int ReportFileIcon(const Options& options) {
    const std::optional<std::wstring> file = options.Value(L"--file");
    if (!file) return ReportUsageError(L"file-icon needs --file PATH");

    const UINT groups = ExtractIconExW(file->c_str(), -1, nullptr, nullptr, 0);
    HICON large = nullptr;
    HICON small = nullptr;
    const UINT extracted = ExtractIconExW(file->c_str(), 0, &large, &small, 1);
    const UniqueIcon largeIcon(large);
    const UniqueIcon smallIcon(small);
    if (extracted == 0 || extracted == UINT_MAX) return ReportFailure("ExtractIconExW found no icon", GetLastError());

    JsonArray sized;
    for (const int size : kSizes) {
        HICON icon = nullptr;
        UINT id = 0;
        const UINT count = PrivateExtractIconsW(file->c_str(), 0, size, size, &icon, &id, 1, 0);
        const UniqueIcon owned(icon);
        if (count != 1 || icon == nullptr) return ReportFailure("PrivateExtractIconsW found no icon", GetLastError());
        sized.Append(IconPixels(owned.get()).Number("size", size).Unsigned("id", id));
    }

    PrintLine(JsonObject()
                  .Text("file", *file)
                  .Unsigned("icon_groups", groups)
                  .Object("large", IconPixels(largeIcon.get()))
                  .Object("small", IconPixels(smallIcon.get()))
                  .Array("sized", sized));
    return kSucceeded;
}

}  // namespace

const Subcommand kFileIconSubcommand = {
    L"file-icon",
    L"--file PATH   (the program file's icon as the shell extracts it: large, small, and at 32 and 16 px, "
    L"with BGRA pixels in hex)",
    kOptions,
    ReportFileIcon,
};

}  // namespace probe
