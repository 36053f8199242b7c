#include "controls/picture_button_settings.h"

#include "controls/picture_button_fields.h"
#include "window/settings_fields.h"

namespace launcher {

std::optional<PictureButtonSettings> ReadPictureButtonSettings(Bytes block) {
    return ReadControlSettings<PictureButtonSettings>(block, kNewestPictureButtonFormat, kVisitPictureButtonFields);
}

}  // namespace launcher
