#include <gtest/gtest.h>

#include "window/window_layout.h"

namespace launcher::test {
namespace {

constexpr Size kLauncherWindow{662, 488};
constexpr Size kTitlePicture{640, 480};
constexpr Size kLauncherClient{656, 463};  // 662 x 488 less a 3-pixel fixed frame and a 19-pixel caption

TEST(CentredCoordinate, LauncherWindowOnCommonScreens) {
    const struct {
        Size screen;
        int left, top;
    } rows[] = {
        {{1024, 768}, 181, 140},
        {{1366, 768}, 352, 140},
        {{1920, 1080}, 629, 296},
        {{640, 480}, -11, -4},  // hangs over both edges
        {{639, 479}, -11, -4},  // odd differences truncate toward zero: -23 gives -11, -9 gives -4
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.screen.width << "x" << row.screen.height);
        EXPECT_EQ(CentredCoordinate(row.screen.width, kLauncherWindow.width), row.left);
        EXPECT_EQ(CentredCoordinate(row.screen.height, kLauncherWindow.height), row.top);
    }
}

std::string Describe(const FrameStyle& s) {
    std::string out;
    for (const auto& [on, name] : {std::pair{s.captionBar, "caption"}, {s.systemMenu, "sysmenu"},
                                   {s.minimizeBox, "min"}, {s.maximizeBox, "max"}, {s.sizingFrame, "sizing"},
                                   {s.fixedFrame, "fixed"}, {s.toolWindow, "tool"}, {s.clientEdge, "edge"}}) {
        if (on) out += out.empty() ? name : std::string(" ") + name;
    }
    return out;
}

TEST(FrameStyleFor, BorderTable) {
    const struct {
        int line;
        std::uint32_t border;
        const char* caption;
        bool controlBox;
        bool maxButton;
        const char* expected;
    } rows[] = {
        {__LINE__, 0, "Vaskoran2.0", true, false, ""},
        {__LINE__, 1, "", true, false, "caption sysmenu min sizing"},
        {__LINE__, 2, "", true, false, "caption sysmenu min fixed"},
        {__LINE__, 3, "", true, false, "caption sysmenu min sizing tool"},
        {__LINE__, 4, "", true, false, "caption sysmenu min fixed tool"},
        {__LINE__, 5, "", true, false, "caption sysmenu min sizing edge"},
        {__LINE__, 6, "", true, false, "caption sysmenu min fixed edge"},
        {__LINE__, 7, "", true, false, "caption sysmenu min fixed"},  // unknown: the default fixed frame
        {__LINE__, 2, "Vaskoran2.0", true, true, "caption sysmenu min max fixed"},
        {__LINE__, 2, "Vaskoran2.0", false, false, "caption min fixed"},  // a caption alone keeps the bar
        {__LINE__, 2, "", false, false, "min fixed"},                     // neither: no caption bar
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line);
        WindowSettings settings;
        settings.border = row.border;
        settings.caption = row.caption;
        settings.controlBox = row.controlBox;
        settings.maxButton = row.maxButton;
        EXPECT_EQ(Describe(FrameStyleFor(settings)), row.expected);
    }
}

std::string Describe(const PictureLayout& layout) {
    std::string out;
    auto rect = [](const Rect& r) {
        return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom) + ")";
    };
    for (const auto& draw : layout.draws) out += "draw " + rect(draw.dest) + " ";
    return out + (layout.coversClient ? "covers" : "leaves outside " + rect(layout.drawnArea));
}

TEST(LayOutPicture, PlacesThePictureByMode) {
    const Rect whole{0, 0, kLauncherClient.width, kLauncherClient.height};
    const struct {
        int line;
        const char* why;
        std::uint32_t mode;
        Size picture;
        Size client;
        Rect paintBox;
        const char* expected;
    } rows[] = {
        {__LINE__, "tiled, whole client: one row, tiles at 0 and 640", 1, kTitlePicture, kLauncherClient, whole,
         "draw (0,0,640,480) draw (640,0,1280,480) covers"},
        {__LINE__, "tiled, box inside the first tile", 1, kTitlePicture, kLauncherClient, {100, 100, 200, 200},
         "draw (0,0,640,480) covers"},
        {__LINE__, "tiled, box right of x 640", 1, kTitlePicture, kLauncherClient, {640, 0, 656, 463},
         "draw (640,0,1280,480) covers"},
        {__LINE__, "tiled, box across the tile edge", 1, kTitlePicture, kLauncherClient, {639, 10, 641, 11},
         "draw (0,0,640,480) draw (640,0,1280,480) covers"},
        {__LINE__, "tiled, box reaching above and left of the client", 1, kTitlePicture, kLauncherClient,
         {-50, -50, 10, 10}, "draw (0,0,640,480) covers"},
        {__LINE__, "tiled, empty box", 1, kTitlePicture, kLauncherClient, {10, 10, 10, 300}, "covers"},
        {__LINE__, "tiled, 1x1 picture: only the tiles meeting the box", 1, {1, 1}, {4000, 3000}, {5, 7, 7, 9},
         "draw (5,7,6,8) draw (6,7,7,8) draw (5,8,6,9) draw (6,8,7,9) covers"},
        {__LINE__, "an unknown mode tiles", 9, kTitlePicture, kLauncherClient, whole,
         "draw (0,0,640,480) draw (640,0,1280,480) covers"},
        {__LINE__, "top-left at its own size", 0, kTitlePicture, kLauncherClient, whole,
         "draw (0,0,640,480) leaves outside (0,0,640,480)"},
        {__LINE__, "top-left, box outside the picture", 0, {100, 100}, kLauncherClient, {200, 200, 300, 300},
         "leaves outside (0,0,100,100)"},
        {__LINE__, "centred, smaller picture at its own size", 2, {100, 51}, kLauncherClient, whole,
         "draw (278,206,378,257) leaves outside (278,206,378,257)"},
        {__LINE__, "centred, larger picture scaled by the width ratio", 2, kTitlePicture, {320, 400}, whole,
         "draw (0,80,320,320) leaves outside (0,80,320,320)"},
        {__LINE__, "centred, larger picture scaled by the height ratio", 2, {800, 200}, {1000, 100}, whole,
         "draw (300,0,700,100) leaves outside (300,0,700,100)"},
        {__LINE__, "centred, only wider: scaled down, height truncated", 2, {700, 100}, kLauncherClient, whole,
         "draw (0,185,656,278) leaves outside (0,185,656,278)"},
        {__LINE__, "stretched over the client", 3, kTitlePicture, kLauncherClient, {10, 10, 20, 20},
         "draw (0,0,656,463) covers"},
        {__LINE__, "a picture without size draws nothing", 1, {0, 480}, kLauncherClient, whole,
         "leaves outside (0,0,0,0)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        EXPECT_EQ(Describe(LayOutPicture(row.mode, row.picture, row.client, row.paintBox)), row.expected);
    }
}

}  // namespace
}  // namespace launcher::test
