#pragma once
// The stored fields of the picture button's settings block, in order, for its reader and its
// writer (separate objects, so the launcher links only the reader).

#include <cstdint>

namespace launcher {

inline constexpr std::uint32_t kNewestPictureButtonFormat = 1;

// Stored order, which is not the order the settings are listed in.
inline constexpr auto kVisitPictureButtonFields = [](auto& io, auto& s) {
    io.U32(s.formatVersion);
    io.U32(s.buttonType);
    io.Flag(s.checked);
    io.U32(s.transparentColor);
    io.SignedLengthBlock(s.normalPicture);
    io.SignedLengthBlock(s.hoverPicture);
    io.SignedLengthBlock(s.pressedPicture);
    io.SignedLengthBlock(s.disabledPicture);
};

}  // namespace launcher
