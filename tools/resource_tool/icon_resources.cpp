#include "icon_resources.h"

#include <algorithm>
#include <string>

#include "file_bytes.h"
#include "resources/icon_group.h"
#include "tool_error.h"

namespace launcher::resource_tool {
namespace {

constexpr int kIconType = 3;
constexpr int kIconGroupType = 14;

bool IsResourceName(std::string_view name) {
    const auto allowed = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; };
    return !name.empty() && !(name[0] >= '0' && name[0] <= '9') && std::all_of(name.begin(), name.end(), allowed);
}

}  // namespace

void WriteIconResources(const std::filesystem::path& iconFile, std::string_view groupName, std::uint16_t firstId,
                        const std::filesystem::path& script) {
    if (!IsResourceName(groupName)) {
        throw template_tool::ToolError("the group name " + std::string(groupName) +
                                       " is not capitals, digits and '_' starting with a capital or '_'");
    }
    const auto file = template_tool::ReadFileBytes(iconFile);
    const resources::IconGroupResources resources = resources::SplitIconFile(file, firstId);

    const std::filesystem::path folder = script.parent_path();
    const std::string stem = script.stem().string();
    std::string text = "// Written by resource_tool from " + iconFile.filename().string() + ": the icon group " +
                       std::string(groupName) + " and its images.\n" +
                       "// Language neutral, so Windows finds them whatever the user's language.\n"
                       "LANGUAGE 0, 0\n";
    const std::string groupFile = stem + ".group.bin";
    template_tool::WriteFileAtomically(folder / groupFile, Bytes(resources.group));
    text += std::string(groupName) + " " + std::to_string(kIconGroupType) + " \"" + groupFile + "\"\n";
    for (const auto& image : resources.images) {
        const std::string imageFile = stem + "." + std::to_string(image.id) + ".bin";
        template_tool::WriteFileAtomically(folder / imageFile, image.image);
        text += std::to_string(image.id) + " " + std::to_string(kIconType) + " \"" + imageFile + "\"\n";
    }
    // Last: the build tracks the script alone, so it must be no older than the files it names.
    template_tool::WriteFileAtomically(script, text);
}

}  // namespace launcher::resource_tool
