#include "settings_codec.h"

#include <algorithm>

#include "json_fields.h"
#include "unit_settings_formats.h"

namespace launcher::template_tool {
namespace {

template <typename Format>
std::vector<std::uint8_t> Pack(const JsonNode& node, BlockFileReader& files) {
    JsonObject object(node);
    JsonFieldReader io(object, files);
    typename Format::Settings settings;
    Format::Visit(io, settings);
    object.Finish();
    return Format::Write(settings);
}

template <typename Format>
std::optional<Json> Dump(Bytes block, BlockFileWriter& files, const std::string& fileStem) {
    const auto settings = Format::Read(block);
    if (!settings || !std::ranges::equal(Format::Write(*settings), block)) return std::nullopt;
    const std::size_t mark = files.Mark();
    Json object = Json::object();
    JsonFieldWriter io(object, files, fileStem);
    Format::Visit(io, *settings);
    if (!io.Ok()) {
        files.RollBack(mark);
        return std::nullopt;
    }
    return object;
}

// Calls action.template operator()<Format>() for the format of unitType; false when there is none.
template <typename Action>
bool WithFormat(std::uint32_t unitType, Action&& action) {
    switch (unitType) {
        case WindowSettingsFormat::kUnitType: action.template operator()<WindowSettingsFormat>(); return true;
        case PictureButtonSettingsFormat::kUnitType: action.template operator()<PictureButtonSettingsFormat>(); return true;
        case TransLabelSettingsFormat::kUnitType: action.template operator()<TransLabelSettingsFormat>(); return true;
        default: return false;
    }
}

}  // namespace

bool HasNamedSettings(std::uint32_t unitType) {
    return WithFormat(unitType, []<typename Format>() {});
}

std::vector<std::uint8_t> PackNamedSettings(std::uint32_t unitType, const JsonNode& settings,
                                            BlockFileReader& files) {
    std::vector<std::uint8_t> block;
    if (!WithFormat(unitType, [&]<typename Format>() { block = Pack<Format>(settings, files); })) {
        settings.Fail("this unit type has no named settings; give the block as \"settingsFile\"");
    }
    return block;
}

std::optional<Json> DumpNamedSettings(std::uint32_t unitType, Bytes block, BlockFileWriter& files,
                                      const std::string& fileStem) {
    std::optional<Json> settings;
    WithFormat(unitType, [&]<typename Format>() { settings = Dump<Format>(block, files, fileStem); });
    return settings;
}

}  // namespace launcher::template_tool
