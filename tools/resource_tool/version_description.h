#pragma once
// Reads the launcher's version description (src/resources/version_info.json): every field of
// the fixed file information, the translation, and the strings in the order they are stored.

#include <filesystem>

#include "resources/version_block.h"

namespace launcher::resource_tool {

// Throws template_tool::ToolError naming the field at fault.
resources::VersionInfo ReadVersionDescription(const std::filesystem::path& path);

}  // namespace launcher::resource_tool
