#include "controls/picture_button_settings.h"

#include "window/settings_fields.h"

namespace launcher {
namespace {

constexpr std::uint32_t kNewestFormat = 1;

// Stored order, which is not the order the settings are listed in.
constexpr auto kVisitFields = [](auto& io, auto& s) {
    io.U32(s.formatVersion);
    io.U32(s.buttonType);
    io.Flag(s.checked);
    io.U32(s.transparentColor);
    io.SignedLengthBlock(s.normalPicture);
    io.SignedLengthBlock(s.hoverPicture);
    io.SignedLengthBlock(s.pressedPicture);
    io.SignedLengthBlock(s.disabledPicture);
};

}  // namespace

std::optional<PictureButtonSettings> ReadPictureButtonSettings(Bytes block) {
    return ReadControlSettings<PictureButtonSettings>(block, kNewestFormat, kVisitFields);
}

std::vector<std::uint8_t> WritePictureButtonSettings(const PictureButtonSettings& settings) {
    return WriteSettingsFields(settings, kVisitFields);
}

}  // namespace launcher
