#include "window/icon_file.h"

#include <algorithm>

namespace launcher {
namespace {

constexpr std::uint16_t kIconFileType = 1;
constexpr std::size_t kBitmapInfoHeaderSize = 40;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint16_t U16(ByteReader& r) {
    const Bytes b = r.Take(2);
    return b.empty() ? 0 : static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t BigEndian32(Bytes b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 | std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

}  // namespace

std::optional<std::vector<IconEntry>> ReadIconFile(Bytes file) {
    ByteReader r(file);
    const std::uint16_t reserved = U16(r);
    const std::uint16_t type = U16(r);
    const std::uint16_t count = U16(r);
    if (!r.Ok() || reserved != 0 || type != kIconFileType || count == 0) return std::nullopt;
    // 16 bytes per directory entry; checked before anything is sized from the count.
    if (count > r.Remaining() / 16) return std::nullopt;

    std::vector<IconEntry> entries(count);
    for (auto& entry : entries) {
        const Bytes sizes = r.Take(4);  // width, height, colour count, reserved
        if (sizes.empty()) return std::nullopt;
        entry.width = sizes[0] == 0 ? 256 : sizes[0];
        entry.height = sizes[1] == 0 ? 256 : sizes[1];
        entry.colourCount = sizes[2] == 0 ? 256 : sizes[2];
        U16(r);  // planes
        entry.bitCount = U16(r);
        const std::uint32_t size = r.U32();
        const std::uint32_t offset = r.U32();
        if (!r.Ok() || offset > file.size() || size > file.size() - offset) return std::nullopt;
        entry.image = file.subspan(offset, size);
    }
    return entries;
}

const IconEntry* ChooseIconEntry(const std::vector<IconEntry>& entries, int width) {
    for (const auto& entry : entries) {
        if (entry.width == width && entry.colourCount >= 16) return &entry;
    }
    return entries.empty() ? nullptr : &entries.back();
}

std::optional<Size> IconImageSize(Bytes image) {
    if (image.size() >= 24 && std::equal(std::begin(kPngSignature), std::end(kPngSignature), image.begin())) {
        // IHDR follows the signature: length, type, then width and height, big-endian.
        const auto w = BigEndian32(image, 16);
        const auto h = BigEndian32(image, 20);
        if (w == 0 || h == 0 || w > 4096 || h > 4096) return std::nullopt;
        return Size{static_cast<int>(w), static_cast<int>(h)};
    }
    ByteReader r(image);
    const std::uint32_t headerSize = r.U32();
    const std::int32_t width = r.I32();
    const std::int32_t storedHeight = r.I32();
    if (!r.Ok() || headerSize < kBitmapInfoHeaderSize || width <= 0 || width > 4096 || storedHeight < 2 ||
        storedHeight > 8192) {
        return std::nullopt;
    }
    return Size{width, storedHeight / 2};
}

}  // namespace launcher
