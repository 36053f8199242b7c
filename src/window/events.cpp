#include "window/events.h"

namespace launcher {
namespace {

std::int32_t Widen16(int v) { return static_cast<std::int32_t>(static_cast<std::uint16_t>(v)); }

}  // namespace

Action ResolveHandler(std::uint32_t handlerReference) {
    switch (handlerReference) {
    case kHandlerStartGame: return Action::StartGame;
    case kHandlerOpenStudioPage: return Action::OpenStudioPage;
    default: return Action::None;
    }
}

std::int32_t ModifierMask(ModifierKeys keys) {
    return (keys.ctrl ? 1 : 0) + (keys.shift ? 2 : 0) + (keys.alt ? 4 : 0);
}

EventArgs PointerEventArgs(int x, int y, ModifierKeys keys) {
    return {{Widen16(x), Widen16(y), ModifierMask(keys)}, 3};
}

EventArgs KeyEventArgs(std::uint32_t keyCode, ModifierKeys keys) {
    return {{static_cast<std::int32_t>(keyCode), ModifierMask(keys), 0}, 2};
}

EventArgs CharacterEventArgs(std::uint32_t characterCode) {
    return {{static_cast<std::int32_t>(characterCode), 0, 0}, 1};
}

EventArgs WheelEventArgs(int wheelDistance, ModifierKeys keys) {
    constexpr int kNotch = 120;
    return {{wheelDistance / kNotch, ModifierMask(keys), 0}, 2};
}

EventBindings EventBindings::Resolve(const WindowTemplate& windowTemplate) {
    EventBindings bindings;
    for (const auto& window : windowTemplate.windows) {
        for (const auto& entry : window.units) {
            const auto unit = ReadUnitRecord(entry);
            if (!unit) continue;  // building the window reports an unreadable unit
            for (const auto& binding : unit->bindings) {
                bindings.Bind(unit->id, binding.event, ResolveHandler(binding.handler));
            }
        }
    }
    return bindings;
}

void EventBindings::Bind(std::uint32_t unitId, std::int32_t event, Action action) {
    if (action == Action::None) {
        actions_.erase({unitId, event});
    } else {
        actions_[{unitId, event}] = action;
    }
}

Action EventBindings::Find(std::uint32_t unitId, std::int32_t event) const {
    const auto found = actions_.find({unitId, event});
    return found == actions_.end() ? Action::None : found->second;
}

}  // namespace launcher
