#pragma once
// Serialises windows and unit records into the template block that LoadWindowTemplate reads.
// Used by the template tool and by tests; throws std::invalid_argument for what cannot be stored.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "window/window_template.h"

namespace launcher {

struct UnitDefinition {
    std::uint32_t id = 0;
    std::vector<std::uint8_t> record;  // as WriteUnitRecord makes it, or any bytes (menu items)
};

struct WindowDefinition {
    std::uint32_t id = 0;
    std::uint32_t firstValue = 0;
    std::uint32_t secondValue = 0;
    std::string name;
    std::string comment;
    std::vector<UnitDefinition> units;
};

std::vector<std::uint8_t> WriteUnitRecord(const UnitRecord& unit);
std::vector<std::uint8_t> WriteWindowTemplate(std::span<const WindowDefinition> windows);

}  // namespace launcher
