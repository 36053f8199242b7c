#pragma once
#include <cstdint>
#include <optional>

#include "window/events.h"

namespace launcher {

// Where units raise their events. The answer is what the bound handler returned: nothing (no
// handler, or one that returns nothing) lets the message go on; false ends it there.
class EventSink {
public:
    virtual std::optional<bool> Raise(std::uint32_t unitId, std::int32_t event, const EventArgs& args) = 0;

protected:
    ~EventSink() = default;
};

}  // namespace launcher
