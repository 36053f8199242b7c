#pragma once
// The window template block the program carries as constant data. Its source is made at build
// time by template_tool embed (src/resources/embedded_template.cmake); the launcher links the
// real template, tests may link another.

#include "window/byte_reader.h"

namespace launcher {

Bytes EmbeddedTemplate();

}  // namespace launcher
