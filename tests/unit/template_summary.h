#pragma once
// One line per window and per unit, listing every stored field; fields at their zero/empty value
// are left out, except those every unit shows (rect, pointer, flags, settings).

#include <string>

#include "window/window_template.h"

namespace launcher::test {

std::string SummariseUnit(const UnitRecord& unit);

// Reads every window's units too; a window whose units cannot be read says so.
std::string SummariseTemplate(const WindowTemplate& windowTemplate);

}  // namespace launcher::test
