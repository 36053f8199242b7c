#include "controls/picture_button_fields.h"
#include "controls/picture_button_settings.h"
#include "window/settings_fields.h"

namespace launcher {

std::vector<std::uint8_t> WritePictureButtonSettings(const PictureButtonSettings& settings) {
    return WriteSettingsFields(settings, kVisitPictureButtonFields);
}

}  // namespace launcher
