#include "window/unit_events_win32.h"

#include <windowsx.h>

namespace launcher {
namespace {

ModifierKeys HeldModifiers() {
    auto down = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
    return {down(VK_CONTROL), down(VK_SHIFT), down(VK_MENU)};
}

RaisedEvent Pointer(CommonEvent event, const MSG& msg) {
    return {event, PointerEventArgs(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam), HeldModifiers())};
}

std::uint32_t KeyCode(WPARAM wParam) { return static_cast<std::uint32_t>(wParam); }

}  // namespace

std::optional<RaisedEvent> CommonEventFor(const MSG& msg) {
    switch (msg.message) {
    case WM_LBUTTONDOWN: return Pointer(CommonEvent::LeftDown, msg);
    case WM_LBUTTONUP: return Pointer(CommonEvent::LeftUp, msg);
    case WM_LBUTTONDBLCLK: return Pointer(CommonEvent::DoubleClick, msg);
    case WM_RBUTTONDOWN: return Pointer(CommonEvent::RightDown, msg);
    case WM_RBUTTONUP: return Pointer(CommonEvent::RightUp, msg);
    case WM_MOUSEMOVE: return Pointer(CommonEvent::PointerMoved, msg);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return RaisedEvent{CommonEvent::KeyDown, KeyEventArgs(KeyCode(msg.wParam), HeldModifiers())};
    case WM_KEYUP:
    case WM_SYSKEYUP: return RaisedEvent{CommonEvent::KeyUp, KeyEventArgs(KeyCode(msg.wParam), HeldModifiers())};
    case WM_CHAR: return RaisedEvent{CommonEvent::Character, CharacterEventArgs(KeyCode(msg.wParam))};
    case WM_MOUSEWHEEL:
        return RaisedEvent{CommonEvent::Wheel, WheelEventArgs(GET_WHEEL_DELTA_WPARAM(msg.wParam), HeldModifiers())};
    default: return std::nullopt;
    }
}

}  // namespace launcher
