#pragma once
#include <windows.h>

#include "window/window_layout.h"

namespace launcher {

// The style bits that the frame style governs; the rest of a window's style is left alone.
inline constexpr DWORD kFrameStyleMask =
    WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_DLGFRAME | WS_BORDER | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_POPUP;

inline DWORD WindowStyleFor(const FrameStyle& frame) {
    DWORD style = WS_CLIPCHILDREN;
    if (!frame.captionBar && !frame.sizingFrame && !frame.fixedFrame) return style | WS_POPUP;
    if (frame.captionBar) style |= WS_CAPTION;
    else if (frame.fixedFrame) style |= WS_DLGFRAME;
    if (frame.sizingFrame) style |= WS_THICKFRAME;
    if (frame.systemMenu) style |= WS_SYSMENU;
    if (frame.minimizeBox) style |= WS_MINIMIZEBOX;
    if (frame.maximizeBox) style |= WS_MAXIMIZEBOX;
    return style;
}

inline DWORD ExtendedStyleFor(const FrameStyle& frame) {
    DWORD exStyle = 0;
    if (frame.toolWindow) exStyle |= WS_EX_TOOLWINDOW;
    if (frame.clientEdge) exStyle |= WS_EX_CLIENTEDGE;
    return exStyle;
}

}  // namespace launcher
