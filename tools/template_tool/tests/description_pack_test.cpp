// Packing a description: the forms it accepts, and errors that name the JSON path at fault.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "description_pack.h"
#include "file_bytes.h"
#include "json_node.h"
#include "scratch_folder.h"
#include "tool_error.h"

namespace launcher::template_tool {
namespace {

using ByteVector = std::vector<std::uint8_t>;

// A window and a picture button, in the form the launcher's own description has.
Json SmallDescription() {
    return Json::parse(R"({
      "windows": [{
        "id": "0x52010001", "firstValue": "0x00000000", "secondValue": "0x19010004", "name": "", "comment": "",
        "units": [
          {
            "id": "0x06010000", "type": "0x00010001", "name": "", "comment": "",
            "rect": {"left": 50, "top": 50, "width": 662, "height": 488},
            "parent": "0x00000000", "containedUnits": [], "MousePointer": 0, "Tag": "", "unnamed": 0,
            "flags": ["Visible"], "TabOrder": 0, "bindings": [],
            "settings": {
              "layoutVersion": 6, "Border": 2, "PictureMode": 1, "BackColor": "0xFF000000", "MaxButton": 0,
              "MinButton": 1, "ControlBox": 1, "StartPosition": 1, "Movable": 1, "PlayCount": 0,
              "EnterMovesFocus": 0, "EscCloses": 1, "F1OpensHelp": 0, "HelpContext": 0, "ShowInTaskbar": 1,
              "DragAnywhere": 0, "Shape": 0, "TopMost": 0, "KeepTitleActive": 0, "ClassName": "",
              "BackPicture": "title.jpg", "Icon": null, "BackMusic": null, "Caption": "Vaskoran2.0", "HelpFile": ""
            }
          },
          {
            "id": "0x1601000B", "type": "0x0001002D", "name": "图形按钮1", "comment": "",
            "rect": {"left": 456, "top": 384, "width": 176, "height": 64},
            "parent": "0x00000000", "containedUnits": [], "MousePointer": 0, "Tag": "", "unnamed": 0,
            "flags": ["Visible"], "TabOrder": 0, "bindings": [{"event": 0, "handler": "StartGame"}],
            "settings": {
              "formatVersion": 1, "ButtonType": 0, "Checked": 0, "TransparentColor": "0xFF000000",
              "NormalPicture": "title.jpg", "HoverPicture": null, "PressedPicture": null, "DisabledPicture": null
            }
          }
        ]
      }]
    })");
}

class TemplateToolPacking : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileAtomically(folder_.Path() / "title.jpg", Bytes(kPicture));
        WriteFileAtomically(folder_.Path() / "pointer.bin", Bytes(kPointerZero));
    }

    ByteVector Pack(const Json& description) {
        const auto file = folder_.Path() / "description.json";
        WriteFileAtomically(file, description.dump());
        return PackDescription(file);
    }

    static const Json::json_pointer Window(const std::string& rest) { return Json::json_pointer("/windows/0" + rest); }

    static inline const ByteVector kPicture{0xFF, 0xD8, 0xFF, 0xE0};
    static inline const ByteVector kPointerZero{0, 0, 0, 0};
    ScratchFolder folder_;
};

TEST_F(TemplateToolPacking, AcceptsEveryFormOfAValue) {
    const ByteVector baseline = Pack(SmallDescription());
    struct Case {
        int line;
        const char* pointer;
        Json value;
    };
    const Case cases[] = {
        {__LINE__, "/units/0/settings/BackColor", 4278190080u},
        {__LINE__, "/units/0/settings/MaxButton", false},
        {__LINE__, "/units/0/settings/MinButton", true},
        {__LINE__, "/units/0/settings/Border", "0x2"},
        {__LINE__, "/units/0/id", 0x06010000},
        {__LINE__, "/units/0/flags", Json::parse(R"(["0x00000001"])")},
        {__LINE__, "/units/0/MousePointer", "pointer.bin"},  // a string names a file, even "0x0"
        {__LINE__, "/units/1/id", "0x1601000b"},
        {__LINE__, "/units/1/bindings/0/handler", 256},
        {__LINE__, "/units/1/bindings/0/handler", "0x00000100"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(::testing::Message() << "line " << row.line << ": " << row.pointer);
        Json description = SmallDescription();
        description[Window(row.pointer)] = row.value;
        EXPECT_EQ(Pack(description), baseline);
    }
}

TEST_F(TemplateToolPacking, ErrorsNameThePathAtFault) {
    struct Case {
        int line;
        std::function<void(Json&)> change;
        std::string message;  // expected within the error, after the description's file name
    };
    const auto set = [](const char* pointer, Json value) {
        return [=](Json& d) { d[Window(pointer)] = value; };
    };
    const auto remove = [](const char* parent, const char* key) {
        return [=](Json& d) { d[Window(parent)].erase(key); };
    };
    const Case cases[] = {
        {__LINE__, remove("/units/0/settings", "Caption"), "windows[0].units[0].settings: missing field \"Caption\""},
        {__LINE__, set("/units/0/settings/Captoin", "x"), "windows[0].units[0].settings.Captoin: unexpected field"},
        // Layout 2 stores no DragAnywhere; leaving it in would silently be ignored.
        {__LINE__, set("/units/0/settings/layoutVersion", 2), "windows[0].units[0].settings.DragAnywhere: unexpected"},
        {__LINE__, set("/units/0/settings/layoutVersion", 7),
         "windows[0].units[0].settings.layoutVersion: the launcher reads versions up to 6"},
        {__LINE__, set("/units/1/settings/formatVersion", 2),
         "windows[0].units[1].settings.formatVersion: the launcher reads versions up to 1"},
        {__LINE__, set("/id", "0x5201000G"), "windows[0].id: expected a whole number"},
        {__LINE__, set("/id", 4294967296), "windows[0].id: expected a whole number"},
        {__LINE__, set("/id", "0x152010001"), "windows[0].id: expected a whole number"},
        {__LINE__, set("/units/0/settings/Border", -1), "windows[0].units[0].settings.Border: expected a whole number"},
        {__LINE__, set("/units/0/settings/Border", 2.5), "windows[0].units[0].settings.Border: expected a whole number"},
        {__LINE__, set("/units/0/rect/width", "wide"), "windows[0].units[0].rect.width: expected a whole number"},
        {__LINE__, set("/units/0/rect/depth", 1), "windows[0].units[0].rect.depth: unexpected field"},
        {__LINE__, set("/units/0/settings/MaxButton", 2), "windows[0].units[0].settings.MaxButton: expected 0, 1"},
        {__LINE__, set("/units/0/flags/0", "Hidden"), "windows[0].units[0].flags[0]: unknown flag \"Hidden\""},
        {__LINE__, set("/units/1/bindings/0/handler", "Quit"),
         "windows[0].units[1].bindings[0].handler: unknown handler \"Quit\"; known: StartGame, OpenStudioPage, none"},
        {__LINE__, remove("/units/1/bindings/0", "event"), "windows[0].units[1].bindings[0]: missing field \"event\""},
        {__LINE__, set("/units/0/settings/Caption", "Vaskoran 😀"),
         "windows[0].units[0].settings.Caption: character U+1F600 cannot be stored in GBK"},
        {__LINE__, set("/units/1/name", std::string("a\0b", 3)),
         "windows[0].units[1].name: this text is stored zero-terminated"},
        {__LINE__, set("/units/0/settings/Icon", "missing.ico"), "windows[0].units[0].settings.Icon: cannot read"},
        {__LINE__, set("/units/0/settings/Icon", 5), "windows[0].units[0].settings.Icon: expected a string"},
        {__LINE__, set("/units/1/type", "0x00030007"),
         "windows[0].units[1].settings: this unit type has no named settings"},
        {__LINE__, set("/units/1/id", "0x26010001"), "windows[0].units[1].id: a menu item's record"},
        {__LINE__, set("/units/1/recordFile", "title.jpg"), "windows[0].units[1].type: unexpected field"},
        {__LINE__, set("/units", Json::object()), "windows[0].units: expected a list"},
        {__LINE__, [](Json& d) { d = Json::array(); }, "(top level): expected an object"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(::testing::Message() << "line " << row.line);
        Json description = SmallDescription();
        row.change(description);
        try {
            Pack(description);
            ADD_FAILURE() << "packed without error";
        } catch (const ToolError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find("description.json: " + row.message), std::string::npos) << message;
        }
    }
}

TEST_F(TemplateToolPacking, RejectsTextThatIsNotJson) {
    const auto file = folder_.Path() / "description.json";
    WriteFileAtomically(file, std::string_view("{\"windows\": [}"));
    EXPECT_THROW(PackDescription(file), ToolError);
}

}  // namespace
}  // namespace launcher::template_tool
