#pragma once
// Texts of the fatal-error box.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace launcher {

inline constexpr std::wstring_view kFatalErrorCaption = L"错误";
inline constexpr std::wstring_view kTemplateUnreadableMessage = L"载入窗口模板数据段出错!";
inline constexpr std::wstring_view kStartupWindowFailedMessage = L"载入启动窗口失败";

// "运行时出错!", a blank line, then the code (when not 0) and the message (when not empty).
std::wstring FatalErrorText(std::wstring_view message, std::int32_t code);

// "分配 N 字节内存失败!" for a request of N bytes.
std::wstring OutOfMemoryMessage(std::size_t requestedBytes);

}  // namespace launcher
