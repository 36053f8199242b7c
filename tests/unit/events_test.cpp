// Event arguments, handler references and binding resolution.

#include "window/events.h"

#include <gtest/gtest.h>

#include "window/window_template_writer.h"

namespace launcher {
namespace {

TEST(EventArgs, PointerPositionsAreUnsigned16BitValuesWidened) {
    struct Row {
        int line;
        int x, y;
        ModifierKeys keys;
        EventArgs expected;
    };
    const Row rows[] = {
        {__LINE__, 0, 0, {}, {{0, 0, 0}, 3}},
        {__LINE__, 199, 55, {true, false, false}, {{199, 55, 1}, 3}},
        {__LINE__, 5, 6, {false, true, true}, {{5, 6, 6}, 3}},
        {__LINE__, 1, 2, {true, true, true}, {{1, 2, 7}, 3}},
        // A captured pointer left of or above the unit gives a negative position: it wraps.
        {__LINE__, -1, -2, {}, {{65535, 65534, 0}, 3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(PointerEventArgs(row.x, row.y, row.keys), row.expected);
    }
}

TEST(EventArgs, KeysCharactersAndWheel) {
    EXPECT_EQ(KeyEventArgs(0x1B, {false, true, false}), (EventArgs{{0x1B, 2, 0}, 2}));
    EXPECT_EQ(CharacterEventArgs(0x4E2D), (EventArgs{{0x4E2D, 0, 0}, 1}));
    EXPECT_EQ(WheelEventArgs(240, {}), (EventArgs{{2, 0, 0}, 2}));
    EXPECT_EQ(WheelEventArgs(-120, {true, false, false}), (EventArgs{{-1, 1, 0}, 2}));
}

TEST(EventBindings, HandlerReferencesNameTheActions) {
    EXPECT_EQ(ResolveHandler(256), Action::StartGame);
    EXPECT_EQ(ResolveHandler(0), Action::OpenStudioPage);
    EXPECT_EQ(ResolveHandler(kNoHandler), Action::None);
    EXPECT_EQ(ResolveHandler(1), Action::None);
    EXPECT_EQ(ResolveHandler(257), Action::None);
}

TEST(EventBindings, ResolvedFromEveryUnitOfTheTemplate) {
    auto unit = [](std::uint32_t id, std::vector<EventBinding> bindings) {
        UnitRecord record;
        record.id = id;
        record.bindings = std::move(bindings);
        return UnitDefinition{id, WriteUnitRecord(record)};
    };
    WindowDefinition window;
    window.id = 0x52010001;
    window.units = {unit(0x06010000, {}), unit(0x1601000B, {{0, 256}, {-6, kNoHandler}}),
                    unit(0x16010003, {{-1, 0}, {-2, 77}})};
    const WindowDefinition windows[] = {window};
    const auto block = WriteWindowTemplate(windows);
    const auto loaded = LoadWindowTemplate(block);
    ASSERT_TRUE(loaded);

    const EventBindings bindings = EventBindings::Resolve(*loaded);
    EXPECT_EQ(bindings.Find(0x1601000B, 0), Action::StartGame);
    EXPECT_EQ(bindings.Find(0x16010003, -1), Action::OpenStudioPage);
    EXPECT_EQ(bindings.Find(0x1601000B, -6), Action::None) << "no handler";
    EXPECT_EQ(bindings.Find(0x16010003, -2), Action::None) << "an unknown reference binds nothing";
    EXPECT_EQ(bindings.Find(0x16010003, 0), Action::None) << "bindings belong to their unit";
    EXPECT_EQ(bindings.Find(0x06010000, -1), Action::None);
}

}  // namespace
}  // namespace launcher
