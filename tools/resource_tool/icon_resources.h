#pragma once
// Writes an icon file as resources: each image and the group directory to files of their own
// beside `script`, and to `script` the resource statements that include them, language
// neutral. The statements name the files without a folder; the resource compiler finds them
// through its include path.

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace launcher::resource_tool {

// The group is named groupName (capitals, digits and '_', not starting with a digit, so the
// resource compiler takes it as a name and not a number); the images are numbered from firstId.
// Throws template_tool::ToolError or resources::ResourceBuildError.
void WriteIconResources(const std::filesystem::path& iconFile, std::string_view groupName, std::uint16_t firstId,
                        const std::filesystem::path& script);

}  // namespace launcher::resource_tool
