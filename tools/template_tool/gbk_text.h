#pragma once
// Texts are UTF-8 in the description and GBK in the template block.

#include <optional>
#include <string>
#include <string_view>

namespace launcher::template_tool {

// Throws ToolError naming the first character that GBK cannot hold.
std::string Utf8ToGbk(std::string_view utf8);

// Empty when the bytes are not valid GBK.
std::optional<std::string> GbkToUtf8(std::string_view gbk);

}  // namespace launcher::template_tool
