#include "shell/fatal_error_text.h"

namespace launcher {

std::wstring FatalErrorText(std::wstring_view message, std::int32_t code) {
    std::wstring text = L"运行时出错!\r\n\r\n";
    if (code != 0) {
        text += L"错误代码：";
        text += std::to_wstring(code);
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
    return L"分配 " + std::to_wstring(requestedBytes) + L" 字节内存失败!";
}

}  // namespace launcher
