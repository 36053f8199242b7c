#pragma once
// The picture button's own settings block: four fixed fields, then four pictures each behind an
// i32 length. A block may stop between two fields (the rest keep their defaults); one that stops
// inside a field, or has a format version above 1, cannot be read and the button is not built.

#include <cstdint>
#include <optional>
#include <vector>

#include "window/byte_reader.h"
#include "window/colour.h"

namespace launcher {

struct PictureButtonSettings {
    std::uint32_t formatVersion = 1;
    std::uint32_t buttonType = 0;  // 1 toggle button; any other value push button
    bool checked = false;
    std::uint32_t transparentColor = kNoColour;
    Bytes normalPicture;
    Bytes hoverPicture;
    Bytes pressedPicture;
    Bytes disabledPicture;

    bool IsToggle() const { return buttonType == 1; }
};

std::optional<PictureButtonSettings> ReadPictureButtonSettings(Bytes block);
std::vector<std::uint8_t> WritePictureButtonSettings(const PictureButtonSettings& settings);

}  // namespace launcher
