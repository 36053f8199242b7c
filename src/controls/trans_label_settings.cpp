#include "controls/trans_label_settings.h"

#include "controls/trans_label_fields.h"
#include "window/settings_fields.h"

namespace launcher {

std::optional<TransLabelSettings> ReadTransLabelSettings(Bytes block) {
    return ReadControlSettings<TransLabelSettings>(block, kNewestTransLabelFormat, kVisitTransLabelFields);
}

}  // namespace launcher
