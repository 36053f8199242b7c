// Writes the template fuzzer's seed corpus into the folder given: launcher-shaped templates and
// bare settings blocks, icon files and unit records, each behind the mode byte the fuzzer reads
// first. Pictures are a few bytes of fake JPEG: no reader here looks inside them.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "controls/picture_button_settings.h"
#include "controls/trans_label_settings.h"
#include "support/icon_file_builder.h"
#include "support/launcher_template.h"
#include "window/window_settings.h"
#include "window/window_template_writer.h"

namespace launcher::test {
namespace {

constexpr std::uint8_t kTemplateMode = 0;
constexpr std::uint8_t kRawMode = 1;
constexpr std::uint8_t kFakeJpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0xFF, 0xD9};

std::vector<std::uint8_t> IconFile() {
    IconImageSpec png{0, 0, 0, 32, MakePngHeader(256, 256)};
    return MakeIconFile({SquareIconImage(32), SquareIconImage(16), png});
}

std::vector<std::uint8_t> LauncherWindowSettings(const std::vector<std::uint8_t>& icon) {
    WindowSettings settings;
    settings.caption = "Vaskoran2.0";
    settings.backPicture = kFakeJpeg;
    settings.icon = icon;
    return WriteWindowSettings(settings);
}

std::vector<std::uint8_t> OldWindowSettings() {
    WindowSettings settings;
    settings.layoutVersion = 2;
    settings.border = 3;
    settings.pictureMode = 2;
    settings.helpFile = "help";
    return WriteWindowSettings(settings);
}

std::vector<std::uint8_t> LauncherButtonSettings() {
    PictureButtonSettings settings;
    settings.normalPicture = kFakeJpeg;
    settings.hoverPicture = kFakeJpeg;
    settings.pressedPicture = kFakeJpeg;
    return WritePictureButtonSettings(settings);
}

std::vector<std::uint8_t> LauncherLabelSettings() {
    return WriteTransLabelSettings(TransLabelSettings{});
}

std::vector<std::uint8_t> LabelWithFontAndCaption() {
    const std::vector<std::uint8_t> font(kLogFontSize, 0x41);
    TransLabelSettings settings;
    settings.textEffect = 3;
    settings.wordWrap = true;
    settings.labelFont = font;
    settings.caption = "Tollmere";
    return WriteTransLabelSettings(settings);
}

std::vector<std::uint8_t> BusyUnitRecord() {
    const std::uint8_t pointer[] = {0, 0, 0, 0};
    const auto settings = LabelWithFontAndCaption();
    UnitRecord unit;
    unit.type = kUnitTypeTransLabel;
    unit.name = "label";
    unit.comment = "c";
    unit.rect = {1, 2, 3, 4};
    unit.containedUnits = {0x16010001};
    unit.mousePointer = pointer;
    unit.tag = "t";
    unit.flags = kUnitVisible | kUnitTabStop;
    unit.tabOrder = 1;
    unit.bindings = {{-1, 0}, {-6, 0xFFFFFFFF}};
    unit.settings = settings;
    return WriteUnitRecord(unit);
}

std::vector<std::uint8_t> LauncherTemplate() {
    const auto icon = IconFile();
    const std::vector<WindowDefinition> windows = {
        LauncherWindow({LauncherWindowSettings(icon), LauncherButtonSettings(), LauncherLabelSettings()})};
    return WriteWindowTemplate(windows);
}

std::vector<std::uint8_t> TwoWindowsWithMenuItem() {
    WindowDefinition second{0x52010002, 1, 2, "second", "", {}};
    UnitRecord window;
    window.type = kUnitTypeWindow;
    window.rect = {0, 0, 100, 100};
    const auto settings = OldWindowSettings();
    window.settings = settings;
    second.units = {{0x06010001, WriteUnitRecord(window)},
                    {0x26010001, {'m', 'e', 'n', 'u'}},
                    {0x16010004, BusyUnitRecord()}};
    const std::vector<WindowDefinition> windows = {
        LauncherWindow({LauncherWindowSettings({}), LauncherButtonSettings(), LauncherLabelSettings()}), second};
    return WriteWindowTemplate(windows);
}

bool WriteSeed(const std::filesystem::path& folder, const char* name, std::uint8_t mode,
               const std::vector<std::uint8_t>& body) {
    std::ofstream out(folder / name, std::ios::binary);
    out.put(static_cast<char>(mode));
    out.write(reinterpret_cast<const char*>(body.data()), static_cast<std::streamsize>(body.size()));
    return static_cast<bool>(out);
}

}  // namespace
}  // namespace launcher::test

int main(int argc, char** argv) {
    using namespace launcher::test;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const bool written =
        WriteSeed(folder, "template-launcher", kTemplateMode, LauncherTemplate()) &&
        WriteSeed(folder, "template-two-windows-menu-item", kTemplateMode, TwoWindowsWithMenuItem()) &&
        WriteSeed(folder, "window-settings-v6", kRawMode, LauncherWindowSettings(IconFile())) &&
        WriteSeed(folder, "window-settings-v2", kRawMode, OldWindowSettings()) &&
        WriteSeed(folder, "button-settings", kRawMode, LauncherButtonSettings()) &&
        WriteSeed(folder, "label-settings", kRawMode, LabelWithFontAndCaption()) &&
        WriteSeed(folder, "icon-file", kRawMode, IconFile()) &&
        WriteSeed(folder, "unit-record", kRawMode, BusyUnitRecord());
    if (!written) {
        std::fprintf(stderr, "%s: cannot write the seeds into %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
