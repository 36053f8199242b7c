// dump then pack gives the block back byte for byte, whatever form each part has to take in the
// description: named fields where they say it all, a raw file where they cannot.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/picture_button_settings.h"
#include "controls/trans_label_settings.h"
#include "description_dump.h"
#include "description_pack.h"
#include "file_bytes.h"
#include "json_node.h"
#include "scratch_folder.h"
#include "tool_error.h"
#include "window/window_settings.h"
#include "window/window_template_writer.h"

namespace launcher::template_tool {
namespace {

using ByteVector = std::vector<std::uint8_t>;

const ByteVector kJpeg{0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3};
const ByteVector kIcon{0x00, 0x00, 0x01, 0x00, 1, 0};
const ByteVector kSound{'R', 'I', 'F', 'F', 9, 9};
const ByteVector kFont(kLogFontSize, 0x41);
const ByteVector kPointerZero{0, 0, 0, 0};
constexpr std::uint32_t kWindowId = 0x52010001;
constexpr std::uint32_t kWindowUnitId = 0x06010000;

UnitRecord Unit(std::uint32_t id, std::uint32_t type, Bytes settings) {
    UnitRecord unit;
    unit.id = id;
    unit.type = type;
    unit.flags = kUnitVisible;
    unit.mousePointer = Bytes(kPointerZero);
    unit.settings = settings;
    return unit;
}

UnitDefinition Stored(const UnitRecord& unit) {
    return {unit.id, WriteUnitRecord(unit)};
}

ByteVector TemplateOf(std::vector<UnitDefinition> units, std::uint32_t windowId = kWindowId) {
    const WindowDefinition window{windowId, 0, 0x19010004, "", "", std::move(units)};
    return WriteWindowTemplate(std::span(&window, 1));
}

ByteVector WindowSettingsBlock(const std::function<void(WindowSettings&)>& change) {
    WindowSettings settings;
    settings.backPicture = kJpeg;
    settings.icon = kIcon;
    settings.caption = "Vaskoran2.0";
    change(settings);
    return WriteWindowSettings(settings);
}

ByteVector WindowOnly(Bytes windowSettings) {
    return TemplateOf({Stored(Unit(kWindowUnitId, kUnitTypeWindow, windowSettings))});
}

// Reads the dumped description back, to see which form a part took.
Json DumpedDescription(const ScratchFolder& folder) {
    const auto bytes = ReadFileBytes(folder.Path() / kDumpDescriptionName);
    return Json::parse(bytes.begin(), bytes.end());
}

struct RoundTripCase {
    int line;
    const char* why;
    std::function<ByteVector()> block;
    // JSON pointers into the dump that show the form a part took, with what they hold there.
    std::vector<std::pair<std::string, Json>> shows;
};

TEST(TemplateToolRoundTrip, DumpThenPackGivesTheBlockBack) {
    const ByteVector defaults = WindowSettingsBlock([](WindowSettings&) {});
    const RoundTripCase cases[] = {
        {__LINE__, "every named setting of the three known types, with uncommon values",
         [] {
             const ByteVector window = WindowSettingsBlock([](WindowSettings& s) {
                 s.backMusic = kSound;
                 s.helpFile = "\xB0\xEF\xD6\xFA.hlp";  // 帮助.hlp
                 s.className = "VaskoranWindow";
                 s.maxButton = true;
             });
             PictureButtonSettings button;
             button.buttonType = 1;
             button.checked = true;
             button.normalPicture = kJpeg;
             button.disabledPicture = kJpeg;
             const ByteVector buttonBlock = WritePictureButtonSettings(button);
             TransLabelSettings label;
             label.labelFont = kFont;
             label.caption = "\xCD\xA8\xC2\xB7";  // 通路
             label.textColor = 0x00FF8000;
             const ByteVector labelBlock = WriteTransLabelSettings(label);
             UnitRecord buttonUnit = Unit(0x1601000B, kUnitTypePictureButton, buttonBlock);
             buttonUnit.flags = kUnitVisible | kUnitTabStop | 0x100;
             buttonUnit.bindings = {{0, 256}, {1, 7}, {-2, 0xFFFFFFFF}};
             buttonUnit.containedUnits = {0x16010003};
             buttonUnit.tag = "tag";
             buttonUnit.tabOrder = -3;
             UnitRecord labelUnit = Unit(0x16010003, kUnitTypeTransLabel, labelBlock);
             labelUnit.mousePointer = kIcon;  // not the usual 4-byte value: kept as a file
             return TemplateOf({Stored(Unit(kWindowUnitId, kUnitTypeWindow, window)), Stored(buttonUnit),
                                Stored(labelUnit)});
         },
         {{"/windows/0/units/0/settings/HelpFile", "帮助.hlp"},
          {"/windows/0/units/0/settings/BackMusic", "06010000-BackMusic.bin"},
          {"/windows/0/units/1/settings/Checked", 1},
          {"/windows/0/units/1/settings/DisabledPicture", "1601000B-DisabledPicture.jpg"},
          {"/windows/0/units/1/containedUnits", Json::parse(R"(["0x16010003"])")},
          {"/windows/0/units/1/bindings", Json::parse(R"([{"event": 0, "handler": "StartGame"},
              {"event": 1, "handler": 7}, {"event": -2, "handler": "none"}])")},
          {"/windows/0/units/1/flags", Json::parse(R"(["Visible", "TabStop", "0x00000100"])")},
          {"/windows/0/units/2/MousePointer", "16010003-MousePointer.ico"},
          {"/windows/0/units/2/settings/TextColor", "0x00FF8000"},
          {"/windows/0/units/2/settings/LabelFont", "16010003-LabelFont.bin"},
          {"/windows/0/units/2/settings/LabelCaption", "通路"}}},
        {__LINE__, "unnamed flag bits are listed by value",
         [] {
             UnitRecord unit = Unit(kWindowUnitId, kUnitTypeWindow, {});
             unit.flags = kUnitDisabled | 0x80000000;
             return TemplateOf({Stored(unit)});
         },
         {{"/windows/0/units/0/flags", Json::parse(R"(["Disabled", "0x80000000"])")}}},
        {__LINE__, "an older window layout names only the settings it stores",
         [] { return WindowOnly(WindowSettingsBlock([](WindowSettings& s) { s.layoutVersion = 3; })); },
         {{"/windows/0/units/0/settings/Shape", 0},
          {"/windows/0/units/0/settings/BackPicture", "06010000-BackPicture.jpg"}}},
        {__LINE__, "empty window settings (all defaults) differ from what the writer makes of them",
         [] { return WindowOnly({}); }, {{"/windows/0/units/0/settingsFile", nullptr}}},
        {__LINE__, "a flag stored as 2 reads as set but would be written as 1",
         [&] {
             ByteVector block = defaults;
             block[4 * 4] = 2;  // MaxButton, after the version, Border, PictureMode and BackColor
             return WindowOnly(block);
         },
         {{"/windows/0/units/0/settingsFile", "06010000-settings.bin"}}},
        {__LINE__, "bytes after the window's last setting",
         [&] {
             ByteVector block = defaults;
             block.push_back(0x5A);
             return WindowOnly(block);
         },
         {{"/windows/0/units/0/settingsFile", "06010000-settings.bin"}}},
        {__LINE__, "a caption that is not GBK",
         [] { return WindowOnly(WindowSettingsBlock([](WindowSettings& s) { s.caption = "\xFF"; })); },
         {{"/windows/0/units/0/settingsFile", "06010000-settings.bin"}}},
        {__LINE__, "a picture button block that stops after its fixed fields",
         [&] {
             ByteVector button = WritePictureButtonSettings({});
             button.resize(16);
             return TemplateOf({Stored(Unit(kWindowUnitId, kUnitTypeWindow, defaults)),
                                Stored(Unit(0x1601000B, kUnitTypePictureButton, button))});
         },
         {{"/windows/0/units/1/settingsFile", "1601000B-settings.bin"}}},
        {__LINE__, "a unit type the launcher does not know",
         [&] {
             const ByteVector settings{1, 2, 3};
             return TemplateOf({Stored(Unit(kWindowUnitId, kUnitTypeWindow, defaults)),
                                Stored(Unit(0x16010005, 0x00030007, settings))});
         },
         {{"/windows/0/units/1/settingsFile", "16010005-settings.bin"}}},
        {__LINE__, "a menu item, whose record has another layout",
         [&] {
             return TemplateOf({Stored(Unit(kWindowUnitId, kUnitTypeWindow, defaults)),
                                UnitDefinition{0x26010001, {9, 8, 7}}});
         },
         {{"/windows/0/units/1/recordFile", "26010001-record.bin"}}},
        {__LINE__, "a unit name that is not GBK",
         [&] {
             UnitRecord unit = Unit(kWindowUnitId, kUnitTypeWindow, defaults);
             unit.name = "\x81\x20";
             return TemplateOf({Stored(unit)});
         },
         {{"/windows/0/units/0/recordFile", "06010000-record.bin"}}},
        {__LINE__, "reserved bytes that are not zero",
         [&] {
             UnitDefinition unit = Stored(Unit(kWindowUnitId, kUnitTypeWindow, defaults));
             unit.record[4] = 1;
             return TemplateOf({unit});
         },
         {{"/windows/0/units/0/recordFile", "06010000-record.bin"}}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(::testing::Message() << "line " << row.line << ": " << row.why);
        ScratchFolder folder;
        const ByteVector block = row.block();
        try {
            DumpTemplate(block, folder.Path());
        } catch (const ToolError& error) {
            ADD_FAILURE() << error.what();
            continue;
        }
        const ByteVector packed = PackDescription(folder.Path() / kDumpDescriptionName);
        EXPECT_TRUE(std::ranges::equal(packed, block));
        const Json description = DumpedDescription(folder);
        for (const auto& [path, expected] : row.shows) {
            const Json::json_pointer pointer(path);
            if (!description.contains(pointer)) {
                ADD_FAILURE() << path << " missing from " << description.dump(2);
                continue;
            }
            EXPECT_EQ(description.at(pointer), expected) << path;
        }
    }
}

TEST(TemplateToolRoundTrip, BlockFilesAreNamedByUnitAndSettingWithTheExtensionTheirBytesShow) {
    ScratchFolder folder;
    const ByteVector window = WindowSettingsBlock([](WindowSettings& s) { s.backMusic = kSound; });
    // Two windows whose units share an id: the second window's files must not overwrite the first's.
    const WindowDefinition windows[] = {
        {1, 0, 0, "", "", {Stored(Unit(kWindowUnitId, kUnitTypeWindow, window))}},
        {2, 0, 0, "", "", {Stored(Unit(kWindowUnitId, kUnitTypeWindow, window))}},
    };
    const ByteVector block = WriteWindowTemplate(windows);
    DumpTemplate(block, folder.Path());

    const Json description = DumpedDescription(folder);
    const Json& first = description["windows"][0]["units"][0]["settings"];
    const Json& second = description["windows"][1]["units"][0]["settings"];
    EXPECT_EQ(first["BackPicture"], "06010000-BackPicture.jpg");
    EXPECT_EQ(first["Icon"], "06010000-Icon.ico");
    EXPECT_EQ(first["BackMusic"], "06010000-BackMusic.bin");
    EXPECT_EQ(second["BackPicture"], "06010000-BackPicture-2.jpg");
    EXPECT_EQ(ReadFileBytes(folder.Path() / "06010000-BackPicture-2.jpg"), kJpeg);
    EXPECT_TRUE(std::ranges::equal(PackDescription(folder.Path() / kDumpDescriptionName), block));
}

TEST(TemplateToolRoundTrip, DumpRefusesBlocksItCannotDescribe) {
    const ByteVector good = WindowOnly(WindowSettingsBlock([](WindowSettings&) {}));
    struct Case {
        int line;
        const char* why;
        ByteVector block;
        const char* message;
    };
    ByteVector slotSet = good;
    slotSet[4 + 4] = 1;  // the window index's slot, after the byte count and the window id
    ByteVector trailing = good;
    trailing.push_back(0);
    const Case cases[] = {
        {__LINE__, "a window index slot that is not zero", slotSet, "does not pack to the same block"},
        {__LINE__, "bytes after the last window", trailing, "does not pack to the same block"},
        {__LINE__, "cut short", ByteVector(good.begin(), good.begin() + 40), "not a readable window template"},
        {__LINE__, "empty", {}, "not a readable window template"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(::testing::Message() << "line " << row.line << ": " << row.why);
        ScratchFolder folder;
        try {
            DumpTemplate(row.block, folder.Path());
            ADD_FAILURE() << "dump succeeded";
        } catch (const ToolError& error) {
            EXPECT_NE(std::string(error.what()).find(row.message), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace launcher::template_tool
