// The picture button's and the transparent label's settings blocks: both may stop between two
// fields (the rest keep their defaults) but never inside one.

#include <gtest/gtest.h>

#include <optional>

#include "byte_mutations.h"
#include "controls/picture_button_settings.h"
#include "controls/trans_label_settings.h"
#include "describe_bytes.h"
#include "window/byte_writer.h"

namespace launcher::test {
namespace {

// u32 values, then optional i32-length blocks; a block given as nullopt is written as a bare length.
struct Field {
    std::int32_t value;
    std::optional<std::string_view> bytes;
};

std::vector<std::uint8_t> Block(std::initializer_list<Field> fields) {
    ByteWriter w;
    for (const auto& field : fields) {
        w.I32(field.value);
        if (field.bytes) w.Raw(ByteWriter::AsBytes(*field.bytes));
    }
    return w.Take();
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

std::string Describe(const PictureButtonSettings& s) {
    return "v" + std::to_string(s.formatVersion) + " type " + std::to_string(s.buttonType) + " checked " +
           std::to_string(s.checked) + " transparent " + Hex32(s.transparentColor) + " normal " +
           HexBytes(s.normalPicture) + " hover " + HexBytes(s.hoverPicture) + " pressed " +
           HexBytes(s.pressedPicture) + " disabled " + HexBytes(s.disabledPicture);
}

std::string Describe(const TransLabelSettings& s) {
    return "v" + std::to_string(s.formatVersion) + " effect " + std::to_string(s.textEffect) + " colour " +
           Hex32(s.textColor) + " align " + std::to_string(s.horizontalAlign) + " valign " +
           std::to_string(s.verticalAlign) + " wrap " + std::to_string(s.wordWrap) + " font " +
           std::to_string(s.labelFont.size()) + (s.HasOwnFont() ? " own" : "") + " caption " + Quoted(s.caption);
}

struct SettingsRow {
    int line;
    const char* why;
    std::vector<std::uint8_t> block;
    const char* expected;  // nullptr: the block cannot be read
};

template <typename Read>
void CheckRows(std::initializer_list<SettingsRow> rows, Read read) {
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        const auto block = ExactCopy(row.block);
        const auto settings = read(block);
        if (!row.expected) {
            EXPECT_FALSE(settings) << Describe(*settings);
        } else {
            ASSERT_TRUE(settings);
            EXPECT_EQ(Describe(*settings), row.expected);
        }
    }
}

constexpr std::int32_t kNoColour32 = static_cast<std::int32_t>(kNoColour);

std::vector<std::uint8_t> LauncherButtonBlock() {
    return Block({{1, {}}, {0, {}}, {0, {}}, {kNoColour32, {}}, {2, "N1"}, {2, "H1"}, {2, "P1"}, {0, {}}});
}

TEST(PictureButtonSettings, LauncherValuesRoundTrip) {
    PictureButtonSettings launcher;
    launcher.normalPicture = ByteWriter::AsBytes("N1");
    launcher.hoverPicture = ByteWriter::AsBytes("H1");
    launcher.pressedPicture = ByteWriter::AsBytes("P1");

    const auto block = WritePictureButtonSettings(launcher);

    EXPECT_EQ(block, LauncherButtonBlock());
    const auto read = ReadPictureButtonSettings(block);
    ASSERT_TRUE(read);
    EXPECT_EQ(Describe(*read), Describe(launcher));
    EXPECT_FALSE(read->IsToggle());
}

TEST(PictureButtonSettings, BlocksReadOverTheirDefaults) {
    const auto launcher = LauncherButtonBlock();
    CheckRows(
        {
            {__LINE__, "the launcher's block", launcher,
             "v1 type 0 checked 0 transparent ff000000 normal 4e31 hover 4831 pressed 5031 disabled -"},
            {__LINE__, "empty: every default", {},
             "v1 type 0 checked 0 transparent ff000000 normal - hover - pressed - disabled -"},
            {__LINE__, "format version 0 is readable", Block({{0, {}}}),
             "v0 type 0 checked 0 transparent ff000000 normal - hover - pressed - disabled -"},
            {__LINE__, "format version 2", Block({{2, {}}}), nullptr},
            {__LINE__, "ends after Checked", Block({{1, {}}, {1, {}}, {1, {}}}),
             "v1 type 1 checked 1 transparent ff000000 normal - hover - pressed - disabled -"},
            {__LINE__, "ends after the normal picture", Cut(launcher, 16 + 4 + 2),
             "v1 type 0 checked 0 transparent ff000000 normal 4e31 hover - pressed - disabled -"},
            {__LINE__, "ends inside the format version", Cut(launcher, 2), nullptr},
            {__LINE__, "ends inside TransparentColor", Cut(launcher, 14), nullptr},
            {__LINE__, "ends inside a picture length", Cut(launcher, 16 + 3), nullptr},
            {__LINE__, "ends inside a picture", Cut(launcher, 16 + 4 + 1), nullptr},
            {__LINE__, "negative and zero lengths mean absent, with no bytes behind them",
             Block({{1, {}}, {0, {}}, {0, {}}, {0x00FF00FF, {}}, {-5, {}}, {0, {}}, {2, "P1"}, {-1, {}}}),
             "v1 type 0 checked 0 transparent 00ff00ff normal - hover - pressed 5031 disabled -"},
            {__LINE__, "picture length past the end", Block({{1, {}}, {0, {}}, {0, {}}, {0, {}}, {10, "abc"}}),
             nullptr},
            {__LINE__, "picture length 2^31-1", Block({{1, {}}, {0, {}}, {0, {}}, {0, {}}, {0x7FFFFFFF, "abc"}}),
             nullptr},
        },
        ReadPictureButtonSettings);
}

// The launcher's label: format 1, then TextEffect, TextColor, HorizontalAlign, VerticalAlign,
// WordWrap, and empty font and caption.
const std::vector<std::uint8_t> kLauncherLabelBlock = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                       1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

TEST(TransLabelSettings, LauncherValuesRoundTrip) {
    EXPECT_EQ(WriteTransLabelSettings(TransLabelSettings{}), kLauncherLabelBlock);
    const auto read = ReadTransLabelSettings(kLauncherLabelBlock);
    ASSERT_TRUE(read);
    EXPECT_EQ(Describe(*read), "v1 effect 0 colour 00000000 align 0 valign 1 wrap 0 font 0 caption \"\"");
}

TEST(TransLabelSettings, BlocksReadOverTheirDefaults) {
    const std::string font60(kLogFontSize, 'F');
    const auto full = Block({{1, {}}, {3, {}}, {0x00ABCDEF, {}}, {2, {}}, {0, {}}, {1, {}}, {3, "fnt"}, {8, "Tollmere"}});
    CheckRows(
        {
            {__LINE__, "empty: every default", {},
             "v1 effect 0 colour 00000000 align 0 valign 1 wrap 0 font 0 caption \"\""},
            {__LINE__, "every field set", full,
             "v1 effect 3 colour 00abcdef align 2 valign 0 wrap 1 font 3 caption \"Tollmere\""},
            {__LINE__, "VerticalAlign is stored before WordWrap; ends after it", Cut(full, 20),
             "v1 effect 3 colour 00abcdef align 2 valign 0 wrap 0 font 0 caption \"\""},
            {__LINE__, "a 60-byte font is the label's own",
             Block({{1, {}}, {0, {}}, {0, {}}, {0, {}}, {1, {}}, {0, {}}, {60, font60}, {2, "\xBF\xAA"}}),
             "v1 effect 0 colour 00000000 align 0 valign 1 wrap 0 font 60 own caption \"\\xbf\\xaa\""},
            {__LINE__, "negative lengths mean absent",
             Block({{1, {}}, {0, {}}, {0, {}}, {0, {}}, {1, {}}, {0, {}}, {-60, {}}, {-1, {}}}),
             "v1 effect 0 colour 00000000 align 0 valign 1 wrap 0 font 0 caption \"\""},
            {__LINE__, "format version 2", Block({{2, {}}}), nullptr},
            {__LINE__, "ends inside WordWrap", Cut(kLauncherLabelBlock, 22), nullptr},
            {__LINE__, "ends inside the caption length", Cut(kLauncherLabelBlock, 30), nullptr},
            {__LINE__, "caption length past the end", Cut(full, full.size() - 1), nullptr},
        },
        ReadTransLabelSettings);
}

}  // namespace
}  // namespace launcher::test
