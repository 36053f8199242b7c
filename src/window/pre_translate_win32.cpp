#include "window/pre_translate_win32.h"

namespace launcher {

UINT PreTranslateMessageId() {
    static const UINT id = ::RegisterWindowMessageW(L"Vaskoran.Launcher.PreTranslate");
    return id;
}

bool PreTranslate(MSG& msg) {
    const UINT id = PreTranslateMessageId();
    for (HWND hwnd = msg.hwnd; hwnd != nullptr;) {
        // Only windows of this thread are asked: a message box's controls answer 0 like any stranger.
        if (::SendMessageW(hwnd, id, 0, reinterpret_cast<LPARAM>(&msg)) != 0) return true;
        if ((::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0) break;
        hwnd = ::GetParent(hwnd);
    }
    return false;
}

}  // namespace launcher
