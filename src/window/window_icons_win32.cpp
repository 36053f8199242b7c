#include "window/window_icons_win32.h"

#include "window/icon_file.h"

namespace launcher {
namespace {

constexpr DWORD kIconFormatVersion = 0x00030000;

UniqueIcon IconFromFile(const std::vector<IconEntry>& entries, int width) {
    const IconEntry* entry = ChooseIconEntry(entries, width);
    if (entry == nullptr) return {};
    const auto size = IconImageSize(entry->image);
    if (!size || entry->image.size() > 0x7FFFFFFF) return {};
    // The API takes a non-const pointer but only reads the image.
    auto* bits = const_cast<PBYTE>(entry->image.data());
    return UniqueIcon(::CreateIconFromResourceEx(bits, static_cast<DWORD>(entry->image.size()), TRUE,
                                                 kIconFormatVersion, size->width, size->height, LR_DEFAULTCOLOR));
}

UniqueIcon ProgramIcon(int size) {
    return UniqueIcon(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), L"DEFAULT_ICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace

WindowIcons MakeWindowIcons(Bytes iconFile) {
    WindowIcons icons;
    if (const auto entries = ReadIconFile(iconFile)) {
        icons.large = IconFromFile(*entries, 32);
        icons.small = IconFromFile(*entries, 16);
    }
    if (!icons.large && !icons.small) {
        icons.large = ProgramIcon(32);
        icons.small = ProgramIcon(16);
    }
    return icons;
}

}  // namespace launcher
