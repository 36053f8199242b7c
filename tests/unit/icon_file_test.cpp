#include <gtest/gtest.h>

#include "byte_mutations.h"
#include "support/icon_file_builder.h"
#include "window/icon_file.h"

namespace launcher::test {
namespace {

constexpr std::size_t kCountAt = 4;
constexpr std::size_t kFirstEntrySizeAt = 6 + 8;
constexpr std::size_t kFirstEntryOffsetAt = 6 + 12;

TEST(IconFile, DirectoryEntriesPointAtTheirImages) {
    IconImageSpec large = SquareIconImage(0);
    large.colourCount = 16;
    large.bitCount = 4;
    const auto file = MakeIconFile({large, SquareIconImage(32), SquareIconImage(16)});

    const auto entries = ReadIconFile(file);

    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[0].width, 256);  // a stored 0 means 256
    EXPECT_EQ((*entries)[0].height, 256);
    EXPECT_EQ((*entries)[0].colourCount, 16);
    EXPECT_EQ((*entries)[0].bitCount, 4);
    EXPECT_EQ((*entries)[1].colourCount, 256);  // a stored 0 means 256 or more
    EXPECT_EQ(IconImageSize((*entries)[1].image), (Size{32, 32}));
    const std::size_t lastImageAt = file.size() - (*entries)[2].image.size();
    EXPECT_EQ((*entries)[2].image.data(), file.data() + lastImageAt);
}

TEST(ChooseIconEntry, TakesTheFirstWideEnoughEntryWithSixteenColoursOrTheLast) {
    struct Entry {
        std::uint8_t width;
        std::uint8_t colourCount;
    };
    const struct {
        int line;
        const char* why;
        std::vector<Entry> entries;
        int width;
        std::size_t expected;
    } rows[] = {
        {__LINE__, "the launcher's icon, large", {{128, 0}, {64, 0}, {48, 0}, {32, 0}, {16, 0}}, 32, 3},
        {__LINE__, "the launcher's icon, small", {{128, 0}, {64, 0}, {48, 0}, {32, 0}, {16, 0}}, 16, 4},
        {__LINE__, "first of two that qualify", {{32, 16}, {32, 0}}, 32, 0},
        {__LINE__, "fewer than 16 colours is passed over", {{32, 8}, {32, 16}}, 32, 1},
        {__LINE__, "none qualifies: the last entry", {{32, 8}, {16, 0}, {48, 0}}, 32, 2},
        {__LINE__, "a stored width 0 is 256", {{16, 0}, {0, 0}}, 256, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        std::vector<IconImageSpec> specs;
        for (const auto& entry : row.entries) {
            IconImageSpec imageSpec = SquareIconImage(entry.width);
            imageSpec.colourCount = entry.colourCount;
            specs.push_back(imageSpec);
        }
        const auto file = MakeIconFile(specs);
        const auto entries = ReadIconFile(file);
        ASSERT_TRUE(entries);
        const IconEntry* chosen = ChooseIconEntry(*entries, row.width);
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(chosen - entries->data(), static_cast<std::ptrdiff_t>(row.expected));
    }
    EXPECT_EQ(ChooseIconEntry({}, 32), nullptr);
}

Mutation SetCount(std::uint16_t count) {
    return [=](std::vector<std::uint8_t>& bytes) {
        bytes.at(kCountAt) = static_cast<std::uint8_t>(count);
        bytes.at(kCountAt + 1) = static_cast<std::uint8_t>(count >> 8);
    };
}

TEST(IconFile, UnreadableFilesFail) {
    const auto good = MakeIconFile({SquareIconImage(32), SquareIconImage(16)});
    ASSERT_TRUE(ReadIconFile(good));
    const std::uint32_t fileSize = static_cast<std::uint32_t>(good.size());
    const struct {
        int line;
        const char* why;
        Mutation mutate;
    } rows[] = {
        {__LINE__, "reserved field not 0", SetU32(0, 0x00010001)},
        {__LINE__, "a cursor file", SetU32(0, 0x00020000)},
        {__LINE__, "no entries", SetCount(0)},
        {__LINE__, "more entries than the directory holds", SetCount(9)},
        {__LINE__, "65535 entries", SetCount(0xFFFF)},
        {__LINE__, "image starts past the end", SetU32(kFirstEntryOffsetAt, fileSize + 1)},
        {__LINE__, "image ends past the end", AddToU32(kFirstEntrySizeAt, fileSize)},
        {__LINE__, "size near 2^32: offset plus size wraps in 32 bits", SetU32(kFirstEntrySizeAt, 0xFFFFFFFF)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        auto bytes = good;
        row.mutate(bytes);
        EXPECT_FALSE(ReadIconFile(ExactCopy(bytes)));
    }
}

TEST(IconFile, EveryTruncationFails) {
    // The last image ends the file, so every cut leaves an entry pointing outside it.
    const auto file = MakeIconFile({SquareIconImage(32), SquareIconImage(16)});
    for (std::size_t size = 0; size < file.size(); ++size) {
        SCOPED_TRACE(testing::Message() << "cut to " << size << " of " << file.size() << " bytes");
        EXPECT_FALSE(ReadIconFile(ExactCopy(Bytes(file).first(size))));
    }
}

TEST(IconImageSize, FromTheBitmapHeaderOrThePngHeader) {
    auto cut = [](std::vector<std::uint8_t> bytes, std::size_t size) {
        bytes.resize(size);
        return bytes;
    };
    auto withHeaderSize = [](std::vector<std::uint8_t> bytes, std::uint32_t size) {
        SetU32(0, size)(bytes);
        return bytes;
    };
    const struct {
        int line;
        const char* why;
        std::vector<std::uint8_t> image;
        std::optional<Size> expected;
    } rows[] = {
        {__LINE__, "32 wide, colour part and mask stacked", MakeBitmapInfoHeader(32, 64), Size{32, 32}},
        {__LINE__, "16 wide", MakeBitmapInfoHeader(16, 32), Size{16, 16}},
        {__LINE__, "an odd stored height rounds down", MakeBitmapInfoHeader(48, 97), Size{48, 48}},
        {__LINE__, "PNG image", MakePngHeader(256, 256), Size{256, 256}},
        {__LINE__, "PNG of zero width", MakePngHeader(0, 256), std::nullopt},
        {__LINE__, "PNG cut inside its size", cut(MakePngHeader(256, 256), 22), std::nullopt},
        {__LINE__, "a core header is too small", withHeaderSize(MakeBitmapInfoHeader(32, 64), 12), std::nullopt},
        {__LINE__, "width 0", MakeBitmapInfoHeader(0, 64), std::nullopt},
        {__LINE__, "negative height", MakeBitmapInfoHeader(32, -64), std::nullopt},
        {__LINE__, "absurd width", MakeBitmapInfoHeader(100000, 64), std::nullopt},
        {__LINE__, "cut inside the height", cut(MakeBitmapInfoHeader(32, 64), 10), std::nullopt},
        {__LINE__, "empty", {}, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        EXPECT_EQ(IconImageSize(ExactCopy(row.image)), row.expected);
    }
}

}  // namespace
}  // namespace launcher::test
