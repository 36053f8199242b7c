#pragma once
// The common event, with its arguments, that a pointer or key message raises for the unit it is
// meant for. Pointer positions are taken relative to the unit's own window.

#include <windows.h>

#include <optional>

#include "window/events.h"

namespace launcher {

struct RaisedEvent {
    CommonEvent event;
    EventArgs args;
};

std::optional<RaisedEvent> CommonEventFor(const MSG& msg);

}  // namespace launcher
