#include "controls/trans_label_fields.h"
#include "controls/trans_label_settings.h"
#include "window/settings_fields.h"

namespace launcher {

std::vector<std::uint8_t> WriteTransLabelSettings(const TransLabelSettings& settings) {
    return WriteSettingsFields(settings, kVisitTransLabelFields);
}

}  // namespace launcher
