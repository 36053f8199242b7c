#pragma once
// Turns a template block back into a description that packs to the same bytes.

#include <filesystem>

#include "window/byte_reader.h"

namespace launcher::template_tool {

inline constexpr const char* kDumpDescriptionName = "template.json";

// Writes <folder>/template.json and one file per byte block, then packs them again and fails
// unless that gives the block back byte for byte. Throws ToolError.
void DumpTemplate(Bytes block, const std::filesystem::path& folder);

}  // namespace launcher::template_tool
