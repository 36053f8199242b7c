#pragma once
// Event numbers, their arguments, and the bindings that join a unit's event to an action.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "window/window_template.h"

namespace launcher {

// The unit type's own events count from 0; the picture button's click is 0.
inline constexpr std::int32_t kEventClicked = 0;

// Common events every unit has, raised by the window before the unit sees the message.
enum class CommonEvent : std::int32_t {
    LeftDown = -1,
    LeftUp = -2,
    DoubleClick = -3,
    RightDown = -4,
    RightUp = -5,
    PointerMoved = -6,
    KeyDown = -9,
    KeyUp = -10,
    Character = -11,
    Wheel = -12,
};

// The actions this program carries; stored handler references name them.
enum class Action { None, StartGame, OpenStudioPage };

inline constexpr std::uint32_t kHandlerStartGame = 256;
inline constexpr std::uint32_t kHandlerOpenStudioPage = 0;
inline constexpr std::uint32_t kNoHandler = 0xFFFFFFFF;

// An unknown reference binds nothing.
Action ResolveHandler(std::uint32_t handlerReference);

struct ModifierKeys {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// Up to three 32-bit arguments, in the order the event defines.
struct EventArgs {
    std::array<std::int32_t, 3> values{};
    std::size_t count = 0;

    friend bool operator==(const EventArgs&, const EventArgs&) = default;
};

// 1 Ctrl, 2 Shift, 4 Alt, added together.
std::int32_t ModifierMask(ModifierKeys keys);

// x and y relative to the unit, each taken as an unsigned 16-bit value and widened.
EventArgs PointerEventArgs(int x, int y, ModifierKeys keys);
EventArgs KeyEventArgs(std::uint32_t keyCode, ModifierKeys keys);
EventArgs CharacterEventArgs(std::uint32_t characterCode);
// Wheel distance in notches of 120, forward positive.
EventArgs WheelEventArgs(int wheelDistance, ModifierKeys keys);

// Every binding of every unit resolved to its action.
class EventBindings {
public:
    static EventBindings Resolve(const WindowTemplate& windowTemplate);

    void Bind(std::uint32_t unitId, std::int32_t event, Action action);
    Action Find(std::uint32_t unitId, std::int32_t event) const;

private:
    std::map<std::pair<std::uint32_t, std::int32_t>, Action> actions_;
};

}  // namespace launcher
