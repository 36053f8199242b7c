#include "description_dump.h"

#include <algorithm>
#include <cstdio>

#include "block_files.h"
#include "description_pack.h"
#include "file_bytes.h"
#include "json_fields.h"
#include "json_format.h"
#include "record_fields.h"
#include "settings_codec.h"
#include "tool_error.h"
#include "value_names.h"
#include "window/window_template.h"
#include "window/window_template_writer.h"

namespace launcher::template_tool {
namespace {

// "06010000": the unit's id without the prefix, which starts each of its file names.
std::string FileStem(std::uint32_t unitId) {
    return HexU32(unitId).substr(2);
}

Json WholeRecord(const UnitEntry& stored, BlockFileWriter& files) {
    return Json{{"id", HexU32(stored.id)}, {"recordFile", files.Store(FileStem(stored.id) + "-record", stored.record)}};
}

// Fields where the record allows it; the whole record as a file where it does not: menu items,
// and records whose reserved or slot bytes are not zero or whose texts are not GBK.
Json DumpUnit(const UnitEntry& stored, BlockFileWriter& files) {
    if (IsMenuItemId(stored.id)) return WholeRecord(stored, files);
    const auto unit = ReadUnitRecord({stored.id, stored.record});
    if (!unit || !std::ranges::equal(WriteUnitRecord(*unit), stored.record)) return WholeRecord(stored, files);

    const std::size_t mark = files.Mark();
    const std::string stem = FileStem(stored.id);
    Json object = Json::object();
    JsonFieldWriter io(object, files, stem);
    VisitUnitFields(io, *unit);
    if (!io.Ok()) {
        files.RollBack(mark);
        return WholeRecord(stored, files);
    }
    if (auto settings = DumpNamedSettings(unit->type, unit->settings, files, stem)) {
        object["settings"] = std::move(*settings);
    } else {
        object["settingsFile"] = files.Store(stem + "-settings", unit->settings);
    }
    return object;
}

Json DumpWindow(const WindowRecord& window, BlockFileWriter& files) {
    Json object = Json::object();
    JsonFieldWriter io(object, files, FileStem(window.id));
    VisitWindowFields(io, window);
    if (!io.Ok()) {
        throw ToolError("the name or comment of window " + HexU32(window.id) + " is not GBK text");
    }
    Json units = Json::array();
    for (const auto& unit : window.units) units.push_back(DumpUnit(unit, files));
    object["units"] = std::move(units);
    return object;
}

std::string FirstDifference(Bytes expected, Bytes actual) {
    const auto [at, ignored] = std::ranges::mismatch(expected, actual);
    const auto offset = static_cast<std::size_t>(at - expected.begin());
    return "first difference at byte " + std::to_string(offset) + " of " + std::to_string(expected.size()) +
           " (the packed dump has " + std::to_string(actual.size()) + ")";
}

}  // namespace

void DumpTemplate(Bytes block, const std::filesystem::path& folder) {
    const auto loaded = LoadWindowTemplate(block, MenuItems::Keep);
    if (!loaded) throw ToolError("not a readable window template: a count or length runs past its end");

    BlockFileWriter files;
    Json windowList = Json::array();
    for (const auto& window : loaded->windows) windowList.push_back(DumpWindow(window, files));
    const Json description{{"windows", std::move(windowList)}};

    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw ToolError("cannot make folder " + folder.string() + ": " + error.message());
    files.WriteAll(folder);
    const std::filesystem::path descriptionFile = folder / kDumpDescriptionName;
    WriteFileAtomically(descriptionFile, FormatDescription(description));

    // Layout quirks that no description holds (window slots that are not zero, unit entries out of
    // order or apart, bytes after the last window) show up here rather than in a later build.
    const auto repacked = PackDescription(descriptionFile);
    if (!std::ranges::equal(repacked, block)) {
        throw ToolError("the dump in " + folder.string() + " does not pack to the same block: " +
                        FirstDifference(block, repacked));
    }
}

}  // namespace launcher::template_tool
