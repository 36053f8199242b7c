#include "controls/trans_label_settings.h"

#include "window/settings_fields.h"

namespace launcher {
namespace {

constexpr std::uint32_t kNewestFormat = 1;

// Stored order: the vertical alignment comes before word wrap.
template <typename Io, typename Settings>
void VisitFields(Io& io, Settings& s) {
    io.U32(s.formatVersion);
    io.U32(s.textEffect);
    io.U32(s.textColor);
    io.U32(s.horizontalAlign);
    io.U32(s.verticalAlign);
    io.Flag(s.wordWrap);
    io.SignedLengthBlock(s.labelFont);
    io.SignedLengthText(s.caption);
}

}  // namespace

std::optional<TransLabelSettings> ReadTransLabelSettings(Bytes block) {
    TransLabelSettings settings;
    ByteReader reader(block);
    SettingsFieldReader io(reader, /*mayEndEarly=*/true);
    VisitFields(io, settings);
    if (!reader.Ok() || settings.formatVersion > kNewestFormat) return std::nullopt;
    return settings;
}

std::vector<std::uint8_t> WriteTransLabelSettings(const TransLabelSettings& settings) {
    ByteWriter writer;
    SettingsFieldWriter io(writer);
    VisitFields(io, settings);
    return writer.Take();
}

}  // namespace launcher
