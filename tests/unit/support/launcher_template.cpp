#include "support/launcher_template.h"

namespace launcher::test {
namespace {

// A 4-byte value 0: the default arrow.
constexpr std::uint8_t kDefaultMousePointer[4] = {};

UnitRecord LauncherUnit(std::uint32_t type, const char* name, UnitRect rect, std::vector<EventBinding> bindings,
                        const std::vector<std::uint8_t>& settings) {
    UnitRecord unit;
    unit.type = type;
    unit.name = name;
    unit.rect = rect;
    unit.mousePointer = kDefaultMousePointer;
    unit.flags = kUnitVisible;
    unit.bindings = std::move(bindings);
    unit.settings = settings;
    return unit;
}

}  // namespace

WindowDefinition LauncherWindow(const LauncherUnitSettings& settings) {
    // Unit names are GBK: 图形按钮1 and 透明标签1.
    const UnitRecord window = LauncherUnit(kUnitTypeWindow, "", {50, 50, 662, 488}, {}, settings.window);
    const UnitRecord button = LauncherUnit(kUnitTypePictureButton, "\xCD\xBC\xD0\xCE\xB0\xB4\xC5\xA5" "1",
                                           {456, 384, 176, 64}, {{kClickEvent, kStartGameHandler}},
                                           settings.startButton);
    const UnitRecord label = LauncherUnit(kUnitTypeTransLabel, "\xCD\xB8\xC3\xF7\xB1\xEA\xC7\xA9" "1",
                                          {16, 392, 200, 56}, {{kLeftButtonDownEvent, kOpenStudioPageHandler}},
                                          settings.studioLabel);
    WindowDefinition definition;
    definition.id = kLauncherWindowId;
    definition.firstValue = 0;
    definition.secondValue = kLauncherWindowSecondValue;
    definition.units = {{kWindowUnitId, WriteUnitRecord(window)},
                        {kStartButtonUnitId, WriteUnitRecord(button)},
                        {kStudioLabelUnitId, WriteUnitRecord(label)}};
    return definition;
}

}  // namespace launcher::test
