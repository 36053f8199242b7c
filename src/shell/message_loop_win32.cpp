#include "shell/message_loop_win32.h"

#include <windows.h>

#include "window/pre_translate_win32.h"

namespace launcher {

int RunMessageLoop() {
    MSG msg{};
    for (;;) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got == -1) return 0;
        if (PreTranslate(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace launcher
