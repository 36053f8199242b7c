#include "shell/fatal_error_text.h"

namespace launcher {
namespace {

// Plain decimal digits; std::to_wstring would pull the C library's whole formatted output into
// the executable for this one use.
std::wstring Decimal(std::int64_t value) {
    const bool negative = value < 0;
    // Negated in unsigned arithmetic, so the most negative value is safe too.
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) digits.insert(digits.begin(), L'-');
    return digits;
}

}  // namespace

std::wstring FatalErrorText(std::wstring_view message, std::int32_t code) {
    std::wstring text = L"运行时出错!\r\n\r\n";
    if (code != 0) {
        text += L"错误代码：";
        text += Decimal(code);
        text += L"\r\n\r\n";
    }
    if (!message.empty()) {
        text += L"错误信息：";
        text += message;
        text += L"\r\n";
    }
    return text;
}

std::wstring OutOfMemoryMessage(std::size_t requestedBytes) {
    return L"分配 " + Decimal(static_cast<std::int64_t>(requestedBytes)) + L" 字节内存失败!";
}

}  // namespace launcher
