#pragma once
// Template texts are GBK; they become UTF-16 where they are shown, so they read correctly
// whatever the system's ANSI code page is.

#include <string>
#include <string_view>

namespace launcher {

std::wstring WideFromGbk(std::string_view gbk);

}  // namespace launcher
