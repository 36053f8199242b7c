#include "version_description.h"

#include <fstream>

#include "json_node.h"
#include "tool_error.h"

namespace launcher::resource_tool {
namespace {

using template_tool::Json;
using template_tool::JsonNode;
using template_tool::JsonObject;
using template_tool::ToolError;

resources::FileVersion Version(const JsonNode& node) {
    const auto version = resources::ParseFileVersion(node.String());
    if (!version) node.Fail("expected four numbers from 0 to 65535 such as \"2.0.0.0\"");
    return *version;
}

std::uint16_t U16(const JsonNode& node) {
    const std::uint32_t value = node.U32();
    if (value > 0xFFFF) node.Fail("expected a number from 0 to 0xFFFF");
    return static_cast<std::uint16_t>(value);
}

resources::FixedFileInfo Fixed(JsonObject fixed) {
    resources::FixedFileInfo info;
    info.structVersion = fixed.Field("structVersion").U32();
    info.fileVersion = Version(fixed.Field("fileVersion"));
    info.productVersion = Version(fixed.Field("productVersion"));
    info.fileFlagsMask = fixed.Field("fileFlagsMask").U32();
    info.fileFlags = fixed.Field("fileFlags").U32();
    info.fileOs = fixed.Field("fileOS").U32();
    info.fileType = fixed.Field("fileType").U32();
    info.fileSubtype = fixed.Field("fileSubtype").U32();
    info.fileDateMs = fixed.Field("fileDateMS").U32();
    info.fileDateLs = fixed.Field("fileDateLS").U32();
    fixed.Finish();
    return info;
}

resources::VersionInfo VersionInfoFrom(const Json& json) {
    JsonObject root(JsonNode(json, ""));
    resources::VersionInfo info;
    info.fixed = Fixed(JsonObject(root.Field("fixed")));
    JsonObject translation(root.Field("translation"));
    info.language = U16(translation.Field("language"));
    info.codePage = U16(translation.Field("codePage"));
    translation.Finish();
    const JsonNode strings = root.Field("strings");
    if (!strings.Value().is_object()) strings.Fail("expected an object of names and texts, in stored order");
    for (const auto& [key, value] : strings.Value().items()) {
        info.strings.push_back({key, JsonNode(value, strings.Path() + "." + key).String()});
    }
    root.Finish();
    return info;
}

}  // namespace

resources::VersionInfo ReadVersionDescription(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    std::ifstream in(path);
    if (!in) throw ToolError("cannot read " + path.string());
    try {
        return VersionInfoFrom(Json::parse(in));
    } catch (const Json::parse_error& error) {
        throw ToolError(name + ": not valid JSON: " + error.what());
    } catch (const ToolError& error) {
        throw ToolError(name + ": " + error.what());
    }
}

}  // namespace launcher::resource_tool
