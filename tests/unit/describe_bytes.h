#pragma once
// Compact renderings of stored values, so one EXPECT_EQ on a summary string checks a whole
// parsed structure and a failure shows every field at once.

#include <cstdint>
#include <string>
#include <string_view>

#include "window/byte_reader.h"

namespace launcher::test {

// Printable ASCII as is, anything else (GBK, control bytes) as \xNN, in quotes.
std::string Quoted(std::string_view text);

// Lower-case hex of every byte; "-" for an empty block.
std::string HexBytes(Bytes bytes);

// Eight lower-case hex digits.
std::string Hex32(std::uint32_t value);

}  // namespace launcher::test
