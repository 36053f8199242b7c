#include "window/window_settings.h"

#include <stdexcept>

#include "window/settings_fields.h"

namespace launcher {
namespace {

// Reading and writing walk the same field list, so the two can never disagree on the layout.
template <typename Io, typename Settings>
void VisitFields(Io& io, Settings& s, std::uint32_t version) {
    io.U32(s.border);
    io.U32(s.pictureMode);
    io.U32(s.backColor);
    io.Flag(s.maxButton);
    io.Flag(s.minButton);
    io.Flag(s.controlBox);
    io.U32(s.startPosition);
    io.Flag(s.movable);
    io.U32(s.playCount);
    io.Flag(s.enterMovesFocus);
    io.Flag(s.escCloses);
    io.Flag(s.f1OpensHelp);
    io.I32(s.helpContext);
    if (version >= 2) io.Flag(s.showInTaskbar);
    if (version >= 3) {
        io.Flag(s.dragAnywhere);
        io.U32(s.shape);
    }
    if (version >= 4) io.Flag(s.topMost);
    if (version >= 5) io.Flag(s.keepTitleActive);
    if (version >= 6) io.CountedText(s.className);
    io.ByteBlock(s.backPicture);
    io.ByteBlock(s.icon);
    io.ByteBlock(s.backMusic);
    io.CountedText(s.caption);
    io.CountedText(s.helpFile);
}

}  // namespace

std::optional<WindowSettings> ReadWindowSettings(Bytes block) {
    WindowSettings settings;
    if (block.empty()) return settings;
    ByteReader reader(block);
    settings.layoutVersion = reader.U32();
    if (!reader.Ok() || settings.layoutVersion > kNewestWindowLayout) return std::nullopt;
    SettingsFieldReader io(reader, /*mayEndEarly=*/false);
    VisitFields(io, settings, settings.layoutVersion);
    if (!reader.Ok()) return std::nullopt;
    return settings;
}

std::vector<std::uint8_t> WriteWindowSettings(const WindowSettings& settings) {
    if (settings.layoutVersion > kNewestWindowLayout) {
        throw std::invalid_argument("unknown window settings layout version");
    }
    return WriteSettingsFields(settings, [](auto& io, const WindowSettings& s) {
        io.U32(s.layoutVersion);
        VisitFields(io, s, s.layoutVersion);
    });
}

}  // namespace launcher
