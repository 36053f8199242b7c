#pragma once
// Layout maths of the launcher window: where it goes on the screen, which frame it has, and
// where its background picture is drawn. Pure functions; the Win32 layer applies the results.

#include <cstdint>
#include <vector>

#include "window/geometry.h"
#include "window/window_settings.h"

namespace launcher {

// Top-left corner that centres a window on the screen; quotients truncate toward zero, so a
// window larger than the screen hangs over both edges (a difference of -23 gives -11).
constexpr int CentredCoordinate(int screenExtent, int windowExtent) {
    return (screenExtent - windowExtent) / 2;
}

// The frame and caption bar that the Border setting and the caption buttons ask for.
struct FrameStyle {
    bool captionBar = false;
    bool systemMenu = false;
    bool minimizeBox = false;
    bool maximizeBox = false;
    bool sizingFrame = false;
    bool fixedFrame = false;
    bool toolWindow = false;  // narrow caption bar
    bool clientEdge = false;  // sunken client edge

    friend bool operator==(const FrameStyle&, const FrameStyle&) = default;
};

FrameStyle FrameStyleFor(const WindowSettings& settings);

// One placement of the background picture in client coordinates; dest differs in size from the
// picture only when the picture is scaled.
struct PictureDraw {
    Rect dest;
    friend bool operator==(const PictureDraw&, const PictureDraw&) = default;
};

struct PictureLayout {
    std::vector<PictureDraw> draws;  // only those that meet the paint box
    bool coversClient = false;       // nothing is left for the background colour
    Rect drawnArea;                  // what the picture covers when it does not cover it all
};

// Lays the picture out by the picture mode; an unknown mode tiles, like the default.
PictureLayout LayOutPicture(std::uint32_t pictureMode, Size picture, Size client, const Rect& paintBox);

}  // namespace launcher
