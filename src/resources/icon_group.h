#pragma once
// An icon file split into the resources a program carries: each image as an icon resource
// (RT_ICON) under an id of our choosing, and the directory naming them by id as an icon group
// (RT_GROUP_ICON). The resource compiler's own icon statement numbers the images itself; this
// lets the build choose.

#include <cstdint>
#include <vector>

#include "window/byte_reader.h"

namespace launcher::resources {

struct IconImageResource {
    std::uint16_t id;
    Bytes image;  // as the icon file holds it
};

struct IconGroupResources {
    std::vector<IconImageResource> images;  // in the icon file's order
    std::vector<std::uint8_t> group;        // the group directory: header, then one entry per image
};

constexpr std::size_t kGroupHeaderSize = 6;
constexpr std::size_t kGroupEntrySize = 14;

// The images take ids firstId, firstId + 1, ... in the file's order. Throws ResourceBuildError
// when the file is not an icon file, an image is neither a bitmap nor a PNG image, an image's
// size is not the one its directory entry gives, or the ids would run past 65535.
IconGroupResources SplitIconFile(Bytes iconFile, std::uint16_t firstId);

}  // namespace launcher::resources
