#pragma once
// A control built from a unit record and placed on the launcher window.

#include <windows.h>

#include <memory>

#include "window/event_sink.h"
#include "window/window_template.h"

namespace launcher {

class Control {
public:
    virtual ~Control() = default;
    virtual HWND Hwnd() const = 0;
    // Whether the control takes the keyboard focus; neither of the launcher's controls does.
    virtual bool CanTakeFocus() const { return false; }
    const UnitRecord& Unit() const { return unit_; }

protected:
    explicit Control(const UnitRecord& unit) : unit_(unit) {}

private:
    UnitRecord unit_;
};

// Builds the control a unit describes as a hidden child of parent, or nothing when its type is
// unknown, its settings cannot be read or the system refuses to create it.
std::unique_ptr<Control> CreateControl(const UnitRecord& unit, HWND parent, int controlId, EventSink* events);

// Window styles every control takes from its unit's flags.
DWORD ControlStyle(const UnitRecord& unit);

}  // namespace launcher
