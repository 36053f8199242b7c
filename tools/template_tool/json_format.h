#pragma once
// Writes a description for people: one field per line, but a small list or object (a rectangle,
// the flags, a binding) kept on the line of its field.

#include <string>

#include "json_node.h"

namespace launcher::template_tool {

std::string FormatDescription(const Json& description);

}  // namespace launcher::template_tool
