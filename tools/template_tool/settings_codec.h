#pragma once
// Named settings for the unit types the launcher knows; other types keep theirs as a raw file.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "block_files.h"
#include "json_node.h"

namespace launcher::template_tool {

bool HasNamedSettings(std::uint32_t unitType);

// The settings block from a "settings" object; the unit type must have named settings.
std::vector<std::uint8_t> PackNamedSettings(std::uint32_t unitType, const JsonNode& settings,
                                            BlockFileReader& files);

// The "settings" object for a block, or nothing when the block is not exactly what the writer
// would make of its values (cut short, a newer version, a flag other than 0 or 1, bytes after
// the last field, a text that is not GBK): the dump then keeps the block as a file.
std::optional<Json> DumpNamedSettings(std::uint32_t unitType, Bytes block, BlockFileWriter& files,
                                      const std::string& fileStem);

}  // namespace launcher::template_tool
