#include "controls/control_win32.h"
#include "controls/picture_button_win32.h"
#include "controls/trans_label_win32.h"

namespace launcher {

std::unique_ptr<Control> CreateControl(const UnitRecord& unit, HWND parent, int controlId, EventSink* events) {
    switch (unit.type) {
    case kUnitTypePictureButton:
        if (const auto settings = ReadPictureButtonSettings(unit.settings)) {
            return PictureButton::Create(unit, *settings, parent, controlId, events);
        }
        return nullptr;
    case kUnitTypeTransLabel:
        if (const auto settings = ReadTransLabelSettings(unit.settings)) {
            return TransLabel::Create(unit, *settings, parent, controlId);
        }
        return nullptr;
    default:
        return nullptr;  // a unit type this program does not know cannot be built
    }
}

}  // namespace launcher
