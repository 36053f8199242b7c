#pragma once
// The window unit's own settings, read over their defaults. Older layout versions lack the later
// settings, which then keep their defaults; an empty block leaves every setting at its default.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/byte_reader.h"
#include "window/colour.h"

namespace launcher {

inline constexpr std::uint32_t kNewestWindowLayout = 6;

enum class StartPosition : std::uint32_t { AtStoredPosition = 0, Centred = 1, Minimized = 2, Maximized = 3 };
enum class PictureMode : std::uint32_t { TopLeft = 0, Tiled = 1, Centred = 2, Stretched = 3 };

struct WindowSettings {
    std::uint32_t layoutVersion = kNewestWindowLayout;
    std::uint32_t border = 2;
    std::uint32_t pictureMode = 1;
    std::uint32_t backColor = kNoColour;
    bool maxButton = false;
    bool minButton = true;
    bool controlBox = true;
    std::uint32_t startPosition = 1;
    bool movable = true;
    std::uint32_t playCount = 0;
    bool enterMovesFocus = false;
    bool escCloses = true;
    bool f1OpensHelp = false;
    std::int32_t helpContext = 0;
    bool showInTaskbar = true;    // layout 2 and later
    bool dragAnywhere = false;    // layout 3 and later
    std::uint32_t shape = 0;      // layout 3 and later
    bool topMost = false;         // layout 4 and later
    bool keepTitleActive = false; // layout 5 and later
    std::string className;        // layout 6 only
    Bytes backPicture;
    Bytes icon;
    Bytes backMusic;
    std::string caption;          // GBK
    std::string helpFile;         // GBK
};

// Fails for a layout version above the newest or a block cut short.
std::optional<WindowSettings> ReadWindowSettings(Bytes block);

// Writes the settings in the layout their layoutVersion names (up to the newest).
std::vector<std::uint8_t> WriteWindowSettings(const WindowSettings& settings);

}  // namespace launcher
