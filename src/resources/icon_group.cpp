#include "resources/icon_group.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "resources/resource_build_error.h"
#include "window/icon_file.h"

namespace launcher::resources {
namespace {

constexpr std::uint16_t kIconType = 1;
constexpr std::size_t kBitmapInfoHeaderSize = 40;
constexpr std::size_t kBitmapPlanesAt = 12;  // in the bitmap header; the bit count follows

struct StoredFormat {
    std::uint16_t planes;
    std::uint16_t bitCount;
};

std::uint16_t U16(ByteReader& r) {
    const Bytes b = r.Take(2);
    return b.empty() ? 0 : static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

bool IsPng(Bytes image) {
    constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return image.size() >= sizeof kSignature && std::equal(std::begin(kSignature), std::end(kSignature), image.begin());
}

// Checks that the image is the picture its directory entry says, and returns how it is stored:
// a bitmap image says that itself, a PNG image has only its directory entry to go by.
StoredFormat CheckedImageFormat(std::size_t index, const IconEntry& entry) {
    const std::string described = "image " + std::to_string(index + 1) + " (" + std::to_string(entry.width) +
                                  " x " + std::to_string(entry.height) + ")";
    const auto size = IconImageSize(entry.image);
    if (!size) throw ResourceBuildError(described + " is neither a bitmap nor a PNG image");
    if (size->width != entry.width || size->height != entry.height) {
        throw ResourceBuildError(described + " holds a picture of " + std::to_string(size->width) + " x " +
                                 std::to_string(size->height));
    }
    if (IsPng(entry.image)) return {1, entry.bitCount};

    ByteReader r(entry.image);
    r.Skip(kBitmapPlanesAt);
    const std::uint16_t planes = U16(r);
    const std::uint16_t bitCount = U16(r);
    if (!r.Skip(kBitmapInfoHeaderSize - r.Offset())) throw ResourceBuildError(described + " ends inside its header");
    return {planes, bitCount};
}

// The directory stores sizes and colour counts in a byte, 0 standing for 256.
std::uint8_t StoredByte(int value) { return static_cast<std::uint8_t>(value >= 256 ? 0 : value); }

class GroupWriter {
public:
    void U8(std::uint8_t v) { bytes_.push_back(v); }
    void U16(std::uint16_t v) {
        U8(static_cast<std::uint8_t>(v));
        U8(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(static_cast<std::uint16_t>(v));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace

IconGroupResources SplitIconFile(Bytes iconFile, std::uint16_t firstId) {
    const auto entries = ReadIconFile(iconFile);
    if (!entries) throw ResourceBuildError("not an icon file, or its directory points past its end");
    if (firstId == 0 || entries->size() - 1 > std::size_t{0xFFFF} - firstId) {
        throw ResourceBuildError("ids from " + std::to_string(firstId) + " cannot number " +
                                 std::to_string(entries->size()) + " images");
    }

    IconGroupResources resources;
    GroupWriter group;
    group.U16(0);  // reserved
    group.U16(kIconType);
    group.U16(static_cast<std::uint16_t>(entries->size()));
    for (std::size_t i = 0; i < entries->size(); ++i) {
        const IconEntry& entry = (*entries)[i];
        const StoredFormat format = CheckedImageFormat(i, entry);
        const auto id = static_cast<std::uint16_t>(firstId + i);
        group.U8(StoredByte(entry.width));
        group.U8(StoredByte(entry.height));
        group.U8(StoredByte(entry.colourCount));
        group.U8(0);  // reserved
        group.U16(format.planes);
        group.U16(format.bitCount);
        group.U32(static_cast<std::uint32_t>(entry.image.size()));  // it fitted the file's 32-bit field
        group.U16(id);
        resources.images.push_back({id, entry.image});
    }
    resources.group = group.Take();
    return resources;
}

}  // namespace launcher::resources
