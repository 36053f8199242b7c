#include <stdexcept>

#include "window/settings_fields.h"
#include "window/window_settings.h"
#include "window/window_settings_fields.h"

namespace launcher {

std::vector<std::uint8_t> WriteWindowSettings(const WindowSettings& settings) {
    if (settings.layoutVersion > kNewestWindowLayout) {
        throw std::invalid_argument("unknown window settings layout version");
    }
    return WriteSettingsFields(settings, [](auto& io, const WindowSettings& s) {
        io.U32(s.layoutVersion);
        VisitWindowSettingsFields(io, s, s.layoutVersion);
    });
}

}  // namespace launcher
