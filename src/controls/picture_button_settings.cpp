#include "controls/picture_button_settings.h"

#include "window/settings_fields.h"

namespace launcher {
namespace {

constexpr std::uint32_t kNewestFormat = 1;

// Stored order, which is not the order the settings are listed in.
template <typename Io, typename Settings>
void VisitFields(Io& io, Settings& s) {
    io.U32(s.formatVersion);
    io.U32(s.buttonType);
    io.Flag(s.checked);
    io.U32(s.transparentColor);
    io.SignedLengthBlock(s.normalPicture);
    io.SignedLengthBlock(s.hoverPicture);
    io.SignedLengthBlock(s.pressedPicture);
    io.SignedLengthBlock(s.disabledPicture);
}

}  // namespace

std::optional<PictureButtonSettings> ReadPictureButtonSettings(Bytes block) {
    PictureButtonSettings settings;
    ByteReader reader(block);
    SettingsFieldReader io(reader, /*mayEndEarly=*/true);
    VisitFields(io, settings);
    if (!reader.Ok() || settings.formatVersion > kNewestFormat) return std::nullopt;
    return settings;
}

std::vector<std::uint8_t> WritePictureButtonSettings(const PictureButtonSettings& settings) {
    ByteWriter writer;
    SettingsFieldWriter io(writer);
    VisitFields(io, settings);
    return writer.Take();
}

}  // namespace launcher
