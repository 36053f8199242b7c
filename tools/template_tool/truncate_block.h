#pragma once
// Deliberately broken template blocks, for tests of the launcher's handling of unreadable data.

#include <cstdint>
#include <string_view>
#include <vector>

#include "window/byte_reader.h"

namespace launcher::template_tool {

// "N" bytes, or "P%" of blockSize rounded down; fails unless it is shorter than the block.
std::size_t ParseKeptSize(std::string_view text, std::size_t blockSize);

// The first keptSize bytes. Fails when the launcher's loader would still read them, so a test
// that needs an unreadable block cannot silently get a readable one.
std::vector<std::uint8_t> TruncateBlock(Bytes block, std::size_t keptSize);

}  // namespace launcher::template_tool
