#pragma once
// The readable forms of stored values: hex ids, named handlers and named unit flags.

#include <cstdint>
#include <string>

#include "json_node.h"

namespace launcher::template_tool {

// "0x06010000": always eight digits, so ids line up.
std::string HexU32(std::uint32_t value);

// "StartGame", "OpenStudioPage" or "none" for the references the launcher knows, else the number.
Json HandlerToJson(std::uint32_t handler);
std::uint32_t HandlerFromJson(const JsonNode& node);

// ["Visible", "TabStop"]; bits without a name are listed as hex values.
Json UnitFlagsToJson(std::uint32_t flags);
std::uint32_t UnitFlagsFromJson(const JsonNode& node);

}  // namespace launcher::template_tool
