#pragma once
// The transparent label's own settings block: six u32 fields, then the font and the caption each
// behind an i32 length. Read like the picture button's block: it may stop between two fields,
// never inside one, and a format version above 1 makes it unreadable.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/byte_reader.h"

namespace launcher {

inline constexpr std::size_t kLogFontSize = 60;  // a LOGFONTA record

struct TransLabelSettings {
    std::uint32_t formatVersion = 1;
    std::uint32_t textEffect = 0;       // 0 plain, 1 white copy below right, 2 raised, 3 black shadow
    std::uint32_t textColor = 0;        // 0x00BBGGRR
    std::uint32_t horizontalAlign = 0;  // 0 left, 1 centred, 2 right
    std::uint32_t verticalAlign = 1;    // 0 top, 1 centred, 2 bottom; unused with word wrap
    bool wordWrap = false;
    Bytes labelFont;                    // used only when exactly kLogFontSize bytes
    std::string caption;                // GBK

    bool HasOwnFont() const { return labelFont.size() == kLogFontSize; }
};

std::optional<TransLabelSettings> ReadTransLabelSettings(Bytes block);
std::vector<std::uint8_t> WriteTransLabelSettings(const TransLabelSettings& settings);

}  // namespace launcher
