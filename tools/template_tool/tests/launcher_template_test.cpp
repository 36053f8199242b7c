// The launcher's real template as the build packs and embeds it: the values the launcher relies on.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "controls/picture_button_settings.h"
#include "controls/trans_label_settings.h"
#include "file_bytes.h"
#include "resources/embedded_template.h"
#include "window/window_settings.h"
#include "window/window_template.h"

namespace launcher::template_tool {
namespace {

using ByteVector = std::vector<std::uint8_t>;

ByteVector Artwork(const char* name) {
    return ReadFileBytes(std::string(LAUNCHER_RESOURCES_DIR) + "/artwork/" + name);
}

bool SameBytes(Bytes a, Bytes b) {
    return std::ranges::equal(a, b);
}

// Every window setting in one line, blocks by size, so one comparison shows any that differ.
std::string Summary(const WindowSettings& s) {
    std::ostringstream out;
    out << std::hex << "layout " << s.layoutVersion << " border " << s.border << " pictureMode " << s.pictureMode
        << " backColor " << s.backColor << " max " << s.maxButton << " min " << s.minButton << " controlBox "
        << s.controlBox << " start " << s.startPosition << " movable " << s.movable << " playCount "
        << s.playCount << " enterMovesFocus " << s.enterMovesFocus << " escCloses " << s.escCloses << " f1 "
        << s.f1OpensHelp << " helpContext " << s.helpContext << " taskbar " << s.showInTaskbar << " drag "
        << s.dragAnywhere << " shape " << s.shape << " topMost " << s.topMost << " keepTitle "
        << s.keepTitleActive << std::dec << " class '" << s.className << "' picture " << s.backPicture.size()
        << " icon " << s.icon.size() << " music " << s.backMusic.size() << " caption '" << s.caption
        << "' help '" << s.helpFile << "'";
    return out.str();
}

class LauncherTemplate : public ::testing::Test {
protected:
    void SetUp() override {
        block_ = ReadFileBytes(LAUNCHER_TEMPLATE_BLOCK);
        auto loaded = LoadWindowTemplate(block_);
        ASSERT_TRUE(loaded);
        template_ = std::move(*loaded);
        ASSERT_EQ(template_.windows.size(), 1u);
        auto units = ReadUnits(template_.windows[0]);
        ASSERT_TRUE(units);
        units_ = std::move(*units);
        ASSERT_EQ(units_.size(), 3u);
    }

    ByteVector block_;
    WindowTemplate template_;
    std::vector<UnitRecord> units_;
};

TEST_F(LauncherTemplate, HoldsTheStartupWindowRecord) {
    const WindowRecord& window = template_.windows[0];
    EXPECT_EQ(window.id, 0x52010001u);
    EXPECT_EQ(window.firstValue, 0u);
    EXPECT_EQ(window.secondValue, 0x19010004u);
    EXPECT_EQ(window.name, "");
    EXPECT_EQ(window.comment, "");
    EXPECT_EQ(template_.FindWindowRecord(0x52010001), &window);
}

TEST_F(LauncherTemplate, UnitsInStoredOrderWithTheirCommonFields) {
    struct Expected {
        std::uint32_t id;
        std::uint32_t type;
        std::string gbkName;
        UnitRect rect;
        std::vector<EventBinding> bindings;
    };
    const Expected expected[] = {
        {0x06010000, kUnitTypeWindow, "", {50, 50, 662, 488}, {}},
        // "图形按钮1"; clicked (event 0) starts the game (handler 256).
        {0x1601000B, kUnitTypePictureButton, "\xCD\xBC\xD0\xCE\xB0\xB4\xC5\xA5" "1", {456, 384, 176, 64}, {{0, 256}}},
        // "透明标签1"; a left-button press (event -1) opens the studio page (handler 0).
        {0x16010003, kUnitTypeTransLabel, "\xCD\xB8\xC3\xF7\xB1\xEA\xC7\xA9" "1", {16, 392, 200, 56}, {{-1, 0}}},
    };
    const ByteVector defaultPointer{0, 0, 0, 0};
    for (std::size_t i = 0; i < units_.size(); ++i) {
        SCOPED_TRACE("unit " + std::to_string(i));
        const UnitRecord& unit = units_[i];
        EXPECT_EQ(unit.id, expected[i].id);
        EXPECT_EQ(unit.type, expected[i].type);
        EXPECT_EQ(unit.name, expected[i].gbkName);
        EXPECT_EQ(unit.rect, expected[i].rect);
        EXPECT_EQ(unit.bindings, expected[i].bindings);
        EXPECT_EQ(unit.comment, "");
        EXPECT_EQ(unit.parent, 0u);
        EXPECT_TRUE(unit.containedUnits.empty());
        EXPECT_TRUE(SameBytes(unit.mousePointer, defaultPointer));
        EXPECT_EQ(unit.tag, "");
        EXPECT_EQ(unit.unnamed, 0u);
        EXPECT_EQ(unit.flags, kUnitVisible);
        EXPECT_EQ(unit.tabOrder, 0);
    }
}

TEST_F(LauncherTemplate, WindowSettingsAreTheDefaultsWithPictureIconAndCaption) {
    const Bytes block = units_[0].settings;
    const auto settings = ReadWindowSettings(block);
    ASSERT_TRUE(settings);
    const ByteVector title = Artwork("title.jpg");
    const ByteVector icon = Artwork("launcher.ico");
    WindowSettings expected;
    expected.backPicture = title;
    expected.icon = icon;
    expected.caption = "Vaskoran2.0";
    EXPECT_EQ(Summary(*settings), Summary(expected));
    EXPECT_TRUE(SameBytes(settings->backPicture, title));
    EXPECT_TRUE(SameBytes(settings->icon, icon));

    // Layout 6: the version, 18 u32 settings, then six counted parts (class name, picture, icon,
    // music, caption, help file) each behind a u32 length.
    constexpr std::size_t kVersionAndFixedSettings = 4 + 18 * 4;
    constexpr std::size_t kLengthFields = 6 * 4;
    EXPECT_EQ(block.size(), kVersionAndFixedSettings + kLengthFields + title.size() + icon.size() +
                                expected.caption.size());
}

TEST_F(LauncherTemplate, PictureButtonHoldsThreePicturesAndNoDisabledOne) {
    const Bytes block = units_[1].settings;
    const auto settings = ReadPictureButtonSettings(block);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->formatVersion, 1u);
    EXPECT_EQ(settings->buttonType, 0u);
    EXPECT_FALSE(settings->checked);
    EXPECT_EQ(settings->transparentColor, kNoColour);
    const ByteVector normal = Artwork("button_normal.jpg");
    const ByteVector hover = Artwork("button_hover.jpg");
    const ByteVector pressed = Artwork("button_pressed.jpg");
    EXPECT_TRUE(SameBytes(settings->normalPicture, normal));
    EXPECT_TRUE(SameBytes(settings->hoverPicture, hover));
    EXPECT_TRUE(SameBytes(settings->pressedPicture, pressed));
    EXPECT_TRUE(settings->disabledPicture.empty());

    // 16 fixed bytes, then four pictures each behind an i32 length (the disabled one of length 0).
    EXPECT_EQ(block.size(), 16 + 4 * 4 + normal.size() + hover.size() + pressed.size());
}

TEST_F(LauncherTemplate, TransparentLabelIsAPlainHotSpotOf32Bytes) {
    const Bytes block = units_[2].settings;
    EXPECT_EQ(block.size(), 32u);
    const auto settings = ReadTransLabelSettings(block);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->formatVersion, 1u);
    EXPECT_EQ(settings->textEffect, 0u);
    EXPECT_EQ(settings->textColor, 0u);
    EXPECT_EQ(settings->horizontalAlign, 0u);
    EXPECT_EQ(settings->verticalAlign, 1u);
    EXPECT_FALSE(settings->wordWrap);
    EXPECT_TRUE(settings->labelFont.empty());
    EXPECT_EQ(settings->caption, "");
}

TEST_F(LauncherTemplate, EmbeddedCopyIsTheBlockAlignedToFourBytes) {
    const Bytes embedded = EmbeddedTemplate();
    EXPECT_TRUE(SameBytes(embedded, block_));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(embedded.data()) % 4, 0u);
}

TEST_F(LauncherTemplate, DamagedCopyIsCutInHalfAndUnreadable) {
    const ByteVector damaged = ReadFileBytes(LAUNCHER_DAMAGED_TEMPLATE_BLOCK);
    EXPECT_EQ(damaged.size(), block_.size() / 2);
    EXPECT_TRUE(std::equal(damaged.begin(), damaged.end(), block_.begin()));
    EXPECT_FALSE(LoadWindowTemplate(damaged));
}

}  // namespace
}  // namespace launcher::template_tool
