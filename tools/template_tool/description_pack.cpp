#include "description_pack.h"

#include <fstream>
#include <stdexcept>

#include "block_files.h"
#include "json_fields.h"
#include "record_fields.h"
#include "settings_codec.h"
#include "tool_error.h"
#include "window/window_template_writer.h"

namespace launcher::template_tool {
namespace {

Json ParseDescription(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw ToolError("cannot read " + file.string());
    try {
        return Json::parse(in);
    } catch (const Json::parse_error& error) {
        throw ToolError("not valid JSON: " + std::string(error.what()));
    }
}

// A record kept whole ("recordFile"): menu items, and units whose bytes the fields cannot express.
UnitDefinition PackWholeRecord(JsonObject& object, std::uint32_t id, BlockFileReader& files) {
    const Bytes record = files.Load(object.Field("recordFile"));
    object.Finish();
    return {id, {record.begin(), record.end()}};
}

UnitDefinition PackUnit(const JsonNode& node, BlockFileReader& files) {
    JsonObject object(node);
    const JsonNode idNode = object.Field("id");
    const std::uint32_t id = idNode.U32();
    if (object.Has("recordFile")) return PackWholeRecord(object, id, files);
    if (IsMenuItemId(id)) idNode.Fail("a menu item's record has its own layout; give it as \"recordFile\"");

    UnitRecord unit;
    JsonFieldReader io(object, files);
    VisitUnitFields(io, unit);
    std::vector<std::uint8_t> namedSettings;
    if (object.Has("settingsFile")) {
        unit.settings = files.Load(object.Field("settingsFile"));
    } else {
        namedSettings = PackNamedSettings(unit.type, object.Field("settings"), files);
        unit.settings = namedSettings;
    }
    object.Finish();
    return {unit.id, WriteUnitRecord(unit)};
}

WindowDefinition PackWindow(const JsonNode& node, BlockFileReader& files) {
    JsonObject object(node);
    WindowDefinition window;
    JsonFieldReader io(object, files);
    VisitWindowFields(io, window);
    for (const auto& unit : object.Field("units").Elements()) window.units.push_back(PackUnit(unit, files));
    object.Finish();
    return window;
}

}  // namespace

std::vector<std::uint8_t> PackDescription(const std::filesystem::path& descriptionFile) {
    try {
        const Json description = ParseDescription(descriptionFile);
        BlockFileReader files(descriptionFile.parent_path());
        JsonObject top(JsonNode(description, ""));
        std::vector<WindowDefinition> windows;
        for (const auto& window : top.Field("windows").Elements()) windows.push_back(PackWindow(window, files));
        top.Finish();
        return WriteWindowTemplate(windows);
    } catch (const ToolError& error) {
        throw ToolError(descriptionFile.string() + ": " + error.what());
    } catch (const std::logic_error& error) {  // what the core's writers refuse to store
        throw ToolError(descriptionFile.string() + ": " + error.what());
    }
}

}  // namespace launcher::template_tool
