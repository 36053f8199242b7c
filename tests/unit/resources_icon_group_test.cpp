#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "byte_mutations.h"
#include "resources/icon_group.h"
#include "resources/resource_build_error.h"
#include "support/icon_file_builder.h"

namespace launcher::resources {
namespace {

using test::IconImageSpec;
using test::MakeBitmapInfoHeader;
using test::MakeIconFile;
using test::MakePngHeader;
using test::SquareIconImage;

// One group directory entry as stored.
struct GroupEntry {
    int width, height, colourCount, reserved, planes, bitCount;
    std::uint32_t bytes;
    int id;
    bool operator==(const GroupEntry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const GroupEntry& e) {
    return out << "{" << e.width << "x" << e.height << " colours " << e.colourCount << " reserved " << e.reserved
               << " planes " << e.planes << " bits " << e.bitCount << " bytes " << e.bytes << " id " << e.id << "}";
}

std::uint16_t U16(ByteReader& r) {
    const Bytes b = r.Take(2);
    return b.empty() ? 0 : static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

// The entries of a group directory; fails the test unless its header says "icons" and its size
// is exactly the header and the entries it counts.
std::vector<GroupEntry> ReadGroup(Bytes group) {
    ByteReader r(group);
    EXPECT_EQ(U16(r), 0) << "reserved";
    EXPECT_EQ(U16(r), 1) << "type: icon";
    const std::uint16_t count = U16(r);
    EXPECT_EQ(group.size(), kGroupHeaderSize + count * kGroupEntrySize);
    std::vector<GroupEntry> entries;
    for (int i = 0; i < count && r.Ok(); ++i) {
        const Bytes sizes = r.Take(4);
        if (sizes.empty()) break;
        GroupEntry e{sizes[0], sizes[1], sizes[2], sizes[3], 0, 0, 0, 0};
        e.planes = U16(r);
        e.bitCount = U16(r);
        e.bytes = r.U32();
        e.id = U16(r);
        entries.push_back(e);
    }
    EXPECT_TRUE(r.AtEnd());
    return entries;
}

std::vector<std::uint8_t> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot read " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SplitIconFile, NumbersTheImagesFromTheFirstIdAndListsThemInFileOrder) {
    IconImageSpec large = SquareIconImage(0);  // 256 wide: stored as 0
    IconImageSpec paletted = SquareIconImage(48);
    paletted.colourCount = 16;
    paletted.image = MakeBitmapInfoHeader(48, 96);
    paletted.image[14] = 4;  // the bitmap's own bit count
    paletted.bitCount = 0;   // directories often leave it out; the image says it
    IconImageSpec png{64, 64, 0, 32, MakePngHeader(64, 64)};
    const auto file = MakeIconFile({large, paletted, png, SquareIconImage(16)});

    const IconGroupResources resources = SplitIconFile(file, 3);

    EXPECT_EQ(ReadGroup(resources.group), (std::vector<GroupEntry>{
                                              {0, 0, 0, 0, 1, 32, 40, 3},
                                              {48, 48, 16, 0, 1, 4, 40, 4},
                                              {64, 64, 0, 0, 1, 32, 24, 5},
                                              {16, 16, 0, 0, 1, 32, 40, 6},
                                          }));
    ASSERT_EQ(resources.images.size(), 4u);
    const std::uint8_t* next = file.data() + 6 + 4 * 16;  // the images follow the directory in order
    for (std::size_t i = 0; i < resources.images.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "image " << i);
        EXPECT_EQ(resources.images[i].id, 3 + i);
        EXPECT_EQ(resources.images[i].image.data(), next) << "the image is the file's, unchanged";
        next += resources.images[i].image.size();
    }
}

TEST(SplitIconFile, TheProgramIconBecomesImagesThreeToSeven) {
    const auto file = ReadFile(LAUNCHER_PROGRAM_ICON);

    const IconGroupResources resources = SplitIconFile(file, 3);

    // The 128-pixel entry stores 128: only 256 is stored as 0.
    EXPECT_EQ(ReadGroup(resources.group), (std::vector<GroupEntry>{
                                              {128, 128, 0, 0, 1, 32, 67624, 3},
                                              {64, 64, 0, 0, 1, 32, 16936, 4},
                                              {48, 48, 0, 0, 1, 32, 9640, 5},
                                              {32, 32, 0, 0, 1, 32, 4264, 6},
                                              {16, 16, 0, 0, 1, 32, 1128, 7},
                                          }));
}

TEST(SplitIconFile, RefusesFilesThatAreNotGoodIcons) {
    const auto withImage = [](std::uint8_t size, std::vector<std::uint8_t> image) {
        IconImageSpec imageSpec = SquareIconImage(size);
        imageSpec.image = std::move(image);
        return MakeIconFile({SquareIconImage(32), imageSpec});
    };
    const auto cut = [](std::vector<std::uint8_t> bytes, std::size_t size) {
        bytes.resize(size);
        return bytes;
    };
    const auto cutHeader = cut(MakeBitmapInfoHeader(16, 32), 20);
    const auto good = MakeIconFile({SquareIconImage(32), SquareIconImage(16)});
    const struct {
        int line;
        const char* why;
        std::vector<std::uint8_t> file;
        std::uint16_t firstId;
        std::string_view message;
    } rows[] = {
        {__LINE__, "text, not an icon", {'t', 'e', 'x', 't'}, 3, "not an icon file"},
        {__LINE__, "empty", {}, 3, "not an icon file"},
        {__LINE__, "an image past the end", cut(good, good.size() - 1), 3, "not an icon file"},
        {__LINE__, "an image that is neither kind", withImage(16, std::vector<std::uint8_t>(40, 0)), 3,
         "image 2 (16 x 16) is neither a bitmap nor a PNG"},
        {__LINE__, "a bitmap smaller than its entry says", withImage(32, MakeBitmapInfoHeader(16, 32)), 3,
         "image 2 (32 x 32) holds a picture of 16 x 16"},
        {__LINE__, "a PNG larger than its entry says", withImage(16, MakePngHeader(32, 32)), 3,
         "image 2 (16 x 16) holds a picture of 32 x 32"},
        {__LINE__, "a bitmap cut inside its header", withImage(16, cutHeader), 3, "ends inside its header"},
        {__LINE__, "id 0 names no resource", good, 0, "ids from 0"},
        {__LINE__, "ids would run past 65535", good, 65535, "ids from 65535 cannot number 2 images"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        const auto file = test::ExactCopy(row.file);
        try {
            SplitIconFile(file, row.firstId);
            ADD_FAILURE() << "split the file";
        } catch (const ResourceBuildError& error) {
            EXPECT_NE(std::string_view(error.what()).find(row.message), std::string_view::npos) << error.what();
        }
    }
    EXPECT_NO_THROW(SplitIconFile(good, 65534)) << "the last two ids";
}

}  // namespace
}  // namespace launcher::resources
