#pragma once
// The stored fields of the trans label's settings block, in order, for its reader and its
// writer (separate objects, so the launcher links only the reader).

#include <cstdint>

namespace launcher {

inline constexpr std::uint32_t kNewestTransLabelFormat = 1;

// Stored order: the vertical alignment comes before word wrap.
inline constexpr auto kVisitTransLabelFields = [](auto& io, auto& s) {
    io.U32(s.formatVersion);
    io.U32(s.textEffect);
    io.U32(s.textColor);
    io.U32(s.horizontalAlign);
    io.U32(s.verticalAlign);
    io.Flag(s.wordWrap);
    io.SignedLengthBlock(s.labelFont);
    io.SignedLengthText(s.caption);
};

}  // namespace launcher
