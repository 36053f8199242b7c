#pragma once
// Every window and unit entry of a template block as stored, menu items included. The launcher's
// loader leaves menu items out; a dump must keep them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/byte_reader.h"

namespace launcher::template_tool {

struct StoredUnit {
    std::uint32_t id = 0;
    Bytes record;
};

struct StoredWindow {
    std::uint32_t id = 0;
    std::uint32_t firstValue = 0;
    std::uint32_t secondValue = 0;
    std::string name;     // GBK
    std::string comment;  // GBK
    std::vector<StoredUnit> units;
};

// Fails when a count, offset or length runs past its part of the block.
std::optional<std::vector<StoredWindow>> ReadStoredWindows(Bytes block);

}  // namespace launcher::template_tool
