#include "controls/trans_label_settings.h"

#include "window/settings_fields.h"

namespace launcher {
namespace {

constexpr std::uint32_t kNewestFormat = 1;

// Stored order: the vertical alignment comes before word wrap.
constexpr auto kVisitFields = [](auto& io, auto& s) {
    io.U32(s.formatVersion);
    io.U32(s.textEffect);
    io.U32(s.textColor);
    io.U32(s.horizontalAlign);
    io.U32(s.verticalAlign);
    io.Flag(s.wordWrap);
    io.SignedLengthBlock(s.labelFont);
    io.SignedLengthText(s.caption);
};

}  // namespace

std::optional<TransLabelSettings> ReadTransLabelSettings(Bytes block) {
    return ReadControlSettings<TransLabelSettings>(block, kNewestFormat, kVisitFields);
}

std::vector<std::uint8_t> WriteTransLabelSettings(const TransLabelSettings& settings) {
    return WriteSettingsFields(settings, kVisitFields);
}

}  // namespace launcher
