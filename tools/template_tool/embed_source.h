#pragma once
// The C++ source that carries a template block inside the program as constant data.

#include <string>

#include "window/byte_reader.h"

namespace launcher::template_tool {

// Defines launcher::EmbeddedTemplate() (resources/embedded_template.h) over the block.
std::string EmbedSource(Bytes block);

}  // namespace launcher::template_tool
