#include <gtest/gtest.h>

#include <stdexcept>

#include "byte_mutations.h"
#include "describe_bytes.h"
#include "window/byte_writer.h"
#include "window/window_settings.h"

namespace launcher::test {
namespace {

std::string Describe(const WindowSettings& s) {
    return "v" + std::to_string(s.layoutVersion) + " border " + std::to_string(s.border) + " picture " +
           std::to_string(s.pictureMode) + " back " + Hex32(s.backColor) + " max " + std::to_string(s.maxButton) +
           " min " + std::to_string(s.minButton) + " box " + std::to_string(s.controlBox) + " start " +
           std::to_string(s.startPosition) + " movable " + std::to_string(s.movable) + " play " +
           std::to_string(s.playCount) + " enter " + std::to_string(s.enterMovesFocus) + " esc " +
           std::to_string(s.escCloses) + " f1 " + std::to_string(s.f1OpensHelp) + " context " +
           std::to_string(s.helpContext) + " taskbar " + std::to_string(s.showInTaskbar) + " drag " +
           std::to_string(s.dragAnywhere) + " shape " + std::to_string(s.shape) + " topmost " +
           std::to_string(s.topMost) + " keepTitle " + std::to_string(s.keepTitleActive) + " class " +
           Quoted(s.className) + " backPicture " + HexBytes(s.backPicture) + " icon " + HexBytes(s.icon) +
           " music " + HexBytes(s.backMusic) + " caption " + Quoted(s.caption) + " help " + Quoted(s.helpFile);
}

constexpr const char* kDefaults =
    "v6 border 2 picture 1 back ff000000 max 0 min 1 box 1 start 1 movable 1 play 0 enter 0 esc 1 f1 0 context 0 "
    "taskbar 1 drag 0 shape 0 topmost 0 keepTitle 0 class \"\" backPicture - icon - music - caption \"\" help \"\"";

TEST(WindowSettings, EmptyBlockGivesEveryDefault) {
    const auto settings = ReadWindowSettings({});
    ASSERT_TRUE(settings);
    EXPECT_EQ(Describe(*settings), kDefaults);
}

// Blocks written out field by field in stored order, independently of the writer, so they pin
// the layout itself rather than the reader's agreement with the writer.
void WriteU32s(ByteWriter& w, std::initializer_list<std::uint32_t> values) {
    for (const auto v : values) w.U32(v);
}

void WriteTrailingBlocks(ByteWriter& w, std::string_view picture, std::string_view caption) {
    w.ByteBlock(ByteWriter::AsBytes(picture));
    w.ByteBlock(ByteWriter::AsBytes("ICO"));
    w.ByteBlock({});
    w.CountedText(caption);
    w.CountedText("h.hlp");
}

std::vector<std::uint8_t> LauncherBlock() {
    ByteWriter w;
    WriteU32s(w, {6, 2, 1, 0xFF000000, 0, 1, 1, 1, 1, 0, 0, 1, 0, 0});
    WriteU32s(w, {1, 0, 0, 0, 0});  // ShowInTaskbar, DragAnywhere, Shape, TopMost, KeepTitleActive
    w.CountedText("");
    WriteTrailingBlocks(w, "\xFF\xD8", "Vaskoran2.0");
    return w.Take();
}

std::vector<std::uint8_t> VersionOneBlock() {
    ByteWriter w;
    WriteU32s(w, {1, 5, 3, 0x00112233, 1, 0, 0, 0, 0, 2, 1, 0, 1, static_cast<std::uint32_t>(-7)});
    WriteTrailingBlocks(w, "P", "Old");
    return w.Take();
}

std::vector<std::uint8_t> VersionThreeBlock() {
    ByteWriter w;
    WriteU32s(w, {3, 4, 0, 0x00FFFFFF, 0, 1, 1, 3, 1, 1, 0, 1, 0, 9});
    WriteU32s(w, {0, 1, 7});  // ShowInTaskbar, DragAnywhere, Shape
    WriteTrailingBlocks(w, "", "Three");
    return w.Take();
}

TEST(WindowSettings, StoredLayoutOfEachVersionReads) {
    const struct {
        int line;
        const char* why;
        std::vector<std::uint8_t> block;
        const char* expected;
    } rows[] = {
        {__LINE__, "the launcher's own values", LauncherBlock(),
         "v6 border 2 picture 1 back ff000000 max 0 min 1 box 1 start 1 movable 1 play 0 enter 0 esc 1 f1 0 "
         "context 0 taskbar 1 drag 0 shape 0 topmost 0 keepTitle 0 class \"\" backPicture ffd8 icon 49434f "
         "music - caption \"Vaskoran2.0\" help \"h.hlp\""},
        {__LINE__, "version 1 has no ShowInTaskbar and nothing after it", VersionOneBlock(),
         "v1 border 5 picture 3 back 00112233 max 1 min 0 box 0 start 0 movable 0 play 2 enter 1 esc 0 f1 1 "
         "context -7 taskbar 1 drag 0 shape 0 topmost 0 keepTitle 0 class \"\" backPicture 50 icon 49434f "
         "music - caption \"Old\" help \"h.hlp\""},
        {__LINE__, "version 3 stops after Shape", VersionThreeBlock(),
         "v3 border 4 picture 0 back 00ffffff max 0 min 1 box 1 start 3 movable 1 play 1 enter 0 esc 1 f1 0 "
         "context 9 taskbar 0 drag 1 shape 7 topmost 0 keepTitle 0 class \"\" backPicture - icon 49434f "
         "music - caption \"Three\" help \"h.hlp\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        const auto settings = ReadWindowSettings(row.block);
        ASSERT_TRUE(settings);
        EXPECT_EQ(Describe(*settings), row.expected);
    }
}

WindowSettings EveryFieldChanged(std::uint32_t version) {
    static const std::uint8_t picture[] = {1, 2};
    static const std::uint8_t icon[] = {3};
    static const std::uint8_t music[] = {4, 5, 6};
    WindowSettings s;
    s.layoutVersion = version;
    s.border = 5;
    s.pictureMode = 3;
    s.backColor = 0x00112233;
    s.maxButton = true;
    s.minButton = false;
    s.controlBox = false;
    s.startPosition = 0;
    s.movable = false;
    s.playCount = 2;
    s.enterMovesFocus = true;
    s.escCloses = false;
    s.f1OpensHelp = true;
    s.helpContext = -7;
    s.showInTaskbar = false;
    s.dragAnywhere = true;
    s.shape = 4;
    s.topMost = true;
    s.keepTitleActive = true;
    s.className = "Cls";
    s.backPicture = picture;
    s.icon = icon;
    s.backMusic = music;
    s.caption = "Cap";
    s.helpFile = "h.hlp";
    return s;
}

TEST(WindowSettings, EachVersionWritesAndReadsExactlyItsFields) {
    const WindowSettings defaults;
    const struct {
        std::uint32_t version;
        std::size_t bytesOverPreviousVersion;
        bool taskbar, dragAndShape, topMost, keepTitle, className;
    } rows[] = {
        {0, 0, false, false, false, false, false},
        {1, 0, false, false, false, false, false},
        {2, 4, true, false, false, false, false},
        {3, 8, true, true, false, false, false},
        {4, 4, true, true, true, false, false},
        {5, 4, true, true, true, true, false},
        {6, 4 + 3, true, true, true, true, true},
    };
    std::size_t previousSize = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "version " << row.version);
        WindowSettings expected = EveryFieldChanged(row.version);
        if (!row.taskbar) expected.showInTaskbar = defaults.showInTaskbar;
        if (!row.dragAndShape) expected.dragAnywhere = defaults.dragAnywhere;
        if (!row.dragAndShape) expected.shape = defaults.shape;
        if (!row.topMost) expected.topMost = defaults.topMost;
        if (!row.keepTitle) expected.keepTitleActive = defaults.keepTitleActive;
        if (!row.className) expected.className = defaults.className;

        const auto block = WriteWindowSettings(EveryFieldChanged(row.version));
        const auto read = ReadWindowSettings(block);

        ASSERT_TRUE(read);
        EXPECT_EQ(Describe(*read), Describe(expected));
        if (row.version > 0) {
            EXPECT_EQ(block.size() - previousSize, row.bytesOverPreviousVersion);
        }
        previousSize = block.size();
    }
}

TEST(WindowSettings, UnreadableBlocksFail) {
    const auto good = WriteWindowSettings(EveryFieldChanged(kNewestWindowLayout));
    const struct {
        int line;
        const char* why;
        Mutation mutate;
    } rows[] = {
        {__LINE__, "layout version 7", SetU32(0, 7)},
        {__LINE__, "layout version 2^32-1", SetU32(0, 0xFFFFFFFF)},
        {__LINE__, "only the version", TruncateTo(4)},
        {__LINE__, "help file length past the end", AddToU32(good.size() - 4 - 5, 1)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        auto bytes = good;
        row.mutate(bytes);
        EXPECT_FALSE(ReadWindowSettings(ExactCopy(bytes)));
    }
}

TEST(WindowSettings, EveryCutShortBlockFails) {
    const auto block = WriteWindowSettings(EveryFieldChanged(kNewestWindowLayout));
    for (std::size_t size = 1; size < block.size(); ++size) {
        SCOPED_TRACE(testing::Message() << "cut to " << size << " of " << block.size() << " bytes");
        EXPECT_FALSE(ReadWindowSettings(ExactCopy(Bytes(block).first(size))));
    }
}

TEST(WindowSettings, WriterRefusesAnUnknownVersion) {
    WindowSettings settings;
    settings.layoutVersion = 7;
    EXPECT_THROW(WriteWindowSettings(settings), std::invalid_argument);
}

}  // namespace
}  // namespace launcher::test
