#pragma once
// Makes the template block from a JSON description (description_format.md beside this file tells its form).

#include <cstdint>
#include <filesystem>
#include <vector>

namespace launcher::template_tool {

// Byte blocks are read from files named relative to the description's folder. Throws ToolError
// naming the description and the JSON path at fault.
std::vector<std::uint8_t> PackDescription(const std::filesystem::path& descriptionFile);

}  // namespace launcher::template_tool
