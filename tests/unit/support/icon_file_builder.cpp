#include "support/icon_file_builder.h"

#include "window/byte_writer.h"

namespace launcher::test {
namespace {

constexpr std::uint32_t kHeaderSize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;

void U16(ByteWriter& w, std::uint16_t v) {
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
    w.Raw(bytes);
}

void BigEndian32(ByteWriter& w, std::uint32_t v) {
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
                                   static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
    w.Raw(bytes);
}

}  // namespace

std::vector<std::uint8_t> MakeIconFile(const std::vector<IconImageSpec>& images) {
    ByteWriter w;
    U16(w, 0);  // reserved
    U16(w, 1);  // icon, not cursor
    U16(w, static_cast<std::uint16_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(kHeaderSize + kDirectoryEntrySize * images.size());
    for (const auto& imageSpec : images) {
        const std::uint8_t sizes[4] = {imageSpec.width, imageSpec.height, imageSpec.colourCount, 0};
        w.Raw(sizes);
        U16(w, 1);  // planes
        U16(w, imageSpec.bitCount);
        w.U32(static_cast<std::uint32_t>(imageSpec.image.size()));
        w.U32(offset);
        offset += static_cast<std::uint32_t>(imageSpec.image.size());
    }
    for (const auto& imageSpec : images) w.Raw(imageSpec.image);
    return w.Take();
}

std::vector<std::uint8_t> MakeBitmapInfoHeader(std::int32_t width, std::int32_t storedHeight) {
    ByteWriter w;
    w.U32(40);
    w.I32(width);
    w.I32(storedHeight);
    U16(w, 1);   // planes
    U16(w, 32);  // bits per pixel
    w.Zeros(24);  // compression, image size, resolution, colour counts
    return w.Take();
}

std::vector<std::uint8_t> MakePngHeader(std::uint32_t width, std::uint32_t height) {
    ByteWriter w;
    const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    w.Raw(signature);
    BigEndian32(w, 13);  // IHDR length
    w.Raw(ByteWriter::AsBytes("IHDR"));
    BigEndian32(w, width);
    BigEndian32(w, height);
    return w.Take();
}

IconImageSpec SquareIconImage(std::uint8_t size) {
    const int pixels = size == 0 ? 256 : size;
    return {size, size, 0, 32, MakeBitmapInfoHeader(pixels, 2 * pixels)};
}

}  // namespace launcher::test
