#pragma once
// The message loop offers each message to the window it targets and then to that window's
// ancestors before dispatching it. A window takes part by answering this registered message
// (wParam 0, lParam the MSG*) with nonzero when it consumes the message; other windows answer 0.

#include <windows.h>

namespace launcher {

UINT PreTranslateMessageId();

// Offers msg to msg.hwnd and its ancestors up to the top-level window; true when one consumed it.
bool PreTranslate(MSG& msg);

}  // namespace launcher
