#include "window/gbk_text_win32.h"

#include <windows.h>

namespace launcher {

std::wstring WideFromGbk(std::string_view gbk) {
    constexpr UINT kGbkCodePage = 936;
    if (gbk.empty() || gbk.size() > 0x7FFFFFFF) return {};
    const int length = static_cast<int>(gbk.size());
    const int wideLength = ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), length, nullptr, 0);
    if (wideLength <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), length, wide.data(), wideLength);
    return wide;
}

}  // namespace launcher
