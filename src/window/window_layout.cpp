#include "window/window_layout.h"

namespace launcher {

FrameStyle FrameStyleFor(const WindowSettings& s) {
    FrameStyle style;
    if (s.border == 0) return style;
    // Unknown values take the default fixed frame.
    const std::uint32_t border = s.border <= 6 ? s.border : 2;
    style.captionBar = !s.caption.empty() || s.controlBox;
    style.systemMenu = s.controlBox;
    style.minimizeBox = s.minButton;
    style.maximizeBox = s.maxButton;
    style.sizingFrame = border == 1 || border == 3 || border == 5;
    style.fixedFrame = !style.sizingFrame;
    style.toolWindow = border == 3 || border == 4;
    style.clientEdge = border == 5 || border == 6;
    return style;
}

PictureLayout LayOutPicture(std::uint32_t pictureMode, Size picture, Size client, const Rect& paintBox) {
    PictureLayout layout;
    if (picture.width <= 0 || picture.height <= 0) return layout;
    auto add = [&](const Rect& dest) {
        if (dest.Intersects(paintBox)) layout.draws.push_back({dest});
    };

    switch (static_cast<PictureMode>(pictureMode)) {
    case PictureMode::TopLeft:
        layout.drawnArea = {0, 0, picture.width, picture.height};
        add(layout.drawnArea);
        break;
    case PictureMode::Centred: {
        int w = picture.width;
        int h = picture.height;
        if (w > client.width || h > client.height) {
            // Scale by the smaller ratio; compared in 64 bits to stay exact.
            const bool byWidth = std::int64_t{client.width} * picture.height <=
                                 std::int64_t{client.height} * picture.width;
            w = byWidth ? client.width
                        : static_cast<int>(std::int64_t{picture.width} * client.height / picture.height);
            h = byWidth ? static_cast<int>(std::int64_t{picture.height} * client.width / picture.width)
                        : client.height;
        }
        const int x = (client.width - w) / 2;
        const int y = (client.height - h) / 2;
        layout.drawnArea = {x, y, x + w, y + h};
        add(layout.drawnArea);
        break;
    }
    case PictureMode::Stretched:
        layout.drawnArea = {0, 0, client.width, client.height};
        layout.coversClient = true;
        add(layout.drawnArea);
        break;
    case PictureMode::Tiled:
    default:
        layout.drawnArea = {0, 0, client.width, client.height};
        layout.coversClient = true;
        // Start at the first tile that can meet the box, so a tiny picture costs no more
        // than the tiles actually drawn.
        for (int y = std::max(0, paintBox.top) / picture.height * picture.height;
             y < client.height && y < paintBox.bottom; y += picture.height) {
            for (int x = std::max(0, paintBox.left) / picture.width * picture.width;
                 x < client.width && x < paintBox.right; x += picture.width) {
                add({x, y, x + picture.width, y + picture.height});
            }
        }
        break;
    }
    return layout;
}

}  // namespace launcher
