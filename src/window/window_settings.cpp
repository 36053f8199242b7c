#include "window/window_settings.h"

#include "window/settings_fields.h"
#include "window/window_settings_fields.h"

namespace launcher {

std::optional<WindowSettings> ReadWindowSettings(Bytes block) {
    WindowSettings settings;
    if (block.empty()) return settings;
    ByteReader reader(block);
    settings.layoutVersion = reader.U32();
    if (!reader.Ok() || settings.layoutVersion > kNewestWindowLayout) return std::nullopt;
    SettingsFieldReader io(reader, /*mayEndEarly=*/false);
    VisitWindowSettingsFields(io, settings, settings.layoutVersion);
    if (!reader.Ok()) return std::nullopt;
    return settings;
}

}  // namespace launcher
