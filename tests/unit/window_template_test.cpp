#include <gtest/gtest.h>

#include "byte_mutations.h"
#include "support/launcher_template.h"
#include "template_summary.h"
#include "window/byte_writer.h"
#include "window/window_template.h"
#include "window/window_template_writer.h"

namespace launcher::test {
namespace {

constexpr std::uint32_t kMenuItemId = 0x26010001;

UnitRecord WindowUnit() {
    UnitRecord unit;
    unit.type = kUnitTypeWindow;
    unit.rect = {50, 50, 662, 488};
    unit.flags = kUnitVisible;
    return unit;
}

std::vector<std::uint8_t> WriteTemplate(const std::vector<WindowDefinition>& windows) {
    return WriteWindowTemplate(windows);
}

TEST(WindowTemplate, LauncherShapedTemplateRoundTrips) {
    const auto block = WriteTemplate({LauncherWindow({{0xA1, 0xA2}, {0xB1, 0xB2, 0xB3}, {0xC1}})});

    const auto loaded = LoadWindowTemplate(block);

    ASSERT_TRUE(loaded);
    EXPECT_EQ(SummariseTemplate(*loaded), R"(window 52010001 values 00000000,19010004
 unit 06010000 type 00010001 name "" rect 50,50,662,488 pointer 00000000 flags 1 settings a1a2
 unit 1601000b type 0001002d name "\xcd\xbc\xd0\xce\xb0\xb4\xc5\xa51" rect 456,384,176,64 pointer 00000000 flags 1 on 0>256 settings b1b2b3
 unit 16010003 type 00020005 name "\xcd\xb8\xc3\xf7\xb1\xea\xc7\xa91" rect 16,392,200,56 pointer 00000000 flags 1 on -1>0 settings c1
)");
}

TEST(WindowTemplate, EveryFieldOfSeveralWindowsRoundTrips) {
    UnitRecord busy;
    busy.type = kUnitTypeTransLabel;
    busy.name = "label";
    busy.comment = "note";
    busy.rect = {-3, 4, 0, 70000};
    busy.parent = 0x06010000;
    busy.containedUnits = {0x16010001, 0x16010002};
    const std::uint8_t pointer[] = {1, 2, 3, 4, 5};
    busy.mousePointer = pointer;
    busy.tag = "t";
    busy.unnamed = 3;
    busy.flags = kUnitVisible | kUnitDisabled | kUnitTabStop;
    busy.tabOrder = -2;
    busy.bindings = {{-12, 0xFFFFFFFF}, {5, 1}};

    const auto block = WriteTemplate({
        {0x52010001, 7, 9, "Main", "first", {{0x06010000, WriteUnitRecord(WindowUnit())}, {0x16010001, WriteUnitRecord(busy)}}},
        {0x52010002, 0, 0, "\xB8\xA8", "", {{0x06010001, WriteUnitRecord(WindowUnit())}}},
        {0x52010003, 0, 0, "", "", {}},
    });

    const auto loaded = LoadWindowTemplate(block);

    ASSERT_TRUE(loaded);
    EXPECT_EQ(SummariseTemplate(*loaded), R"(window 52010001 values 00000007,00000009 name "Main" comment "first"
 unit 06010000 type 00010001 name "" rect 50,50,662,488 pointer - flags 1 settings -
 unit 16010001 type 00020005 name "label" comment "note" rect -3,4,0,70000 parent 06010000 contains 16010001 16010002 pointer 0102030405 tag "t" unnamed 3 flags 7 tab -2 on -12>4294967295 on 5>1 settings -
window 52010002 values 00000000,00000000 name "\xb8\xa8"
 unit 06010001 type 00010001 name "" rect 50,50,662,488 pointer - flags 1 settings -
window 52010003 values 00000000,00000000
)");
    ASSERT_NE(loaded->FindWindowRecord(0x52010002), nullptr);
    EXPECT_EQ(loaded->FindWindowRecord(0x52010002)->name, "\xB8\xA8");
    EXPECT_EQ(loaded->FindWindowRecord(0x52010004), nullptr);
}

// A unit record written field by field, independently of WriteUnitRecord.
std::vector<std::uint8_t> HandWrittenRecord() {
    ByteWriter w;
    w.U32(kUnitTypePictureButton);
    w.Zeros(20);
    w.ZeroTerminatedText("btn");
    w.ZeroTerminatedText("note");
    w.U32(0xAAAAAAAA);  // object slot: ignored
    for (const std::int32_t v : {456, 384, 176, 64}) w.I32(v);
    w.U32(0xBBBBBBBB);  // pointer slot: ignored
    w.U32(0x06010000);  // parent
    w.U32(1);
    w.U32(0x16010009);
    const std::uint8_t pointer[] = {0, 0, 0, 0};
    w.ByteBlock(pointer);
    w.ZeroTerminatedText("tag");
    w.U32(5);  // unnamed
    w.U32(kUnitVisible | kUnitTabStop);
    w.I32(3);
    w.U32(1);
    w.I32(0);
    w.U32(256);
    w.Zeros(20);
    w.Raw(ByteWriter::AsBytes("SET"));
    return w.Take();
}

TEST(WindowTemplate, ReadsTheStoredLayout) {
    const auto button = HandWrittenRecord();
    const auto window = WriteUnitRecord(WindowUnit());
    ByteWriter units;
    units.U32(0x06010000);
    units.U32(0x1601000B);
    // Offsets count from the end of the offset list; here the entries lie in reverse order.
    units.U32(static_cast<std::uint32_t>(4 + button.size()));
    units.U32(0);
    units.ByteBlock(button);
    units.ByteBlock(window);
    ByteWriter w;
    const std::uint32_t index[] = {0x52010001, 0xFFFFFFFF};  // the slot's stored value means nothing
    w.U32(8);
    for (const auto v : index) w.U32(v);
    w.U32(0);
    w.U32(0x19010004);
    w.CountedText("");
    w.CountedText("");
    w.U32(2);
    w.ByteBlock(units.Data());
    const auto block = w.Take();

    const auto loaded = LoadWindowTemplate(block);

    ASSERT_TRUE(loaded);
    EXPECT_EQ(SummariseTemplate(*loaded), R"(window 52010001 values 00000000,19010004
 unit 06010000 type 00010001 name "" rect 50,50,662,488 pointer - flags 1 settings -
 unit 1601000b type 0001002d name "btn" comment "note" rect 456,384,176,64 parent 06010000 contains 16010009 pointer 00000000 tag "tag" unnamed 5 flags 5 tab 3 on 0>256 settings 534554
)");
}

TEST(WindowTemplate, MenuItemsAreLeftOut) {
    // A menu item's record has another layout; reading it as a unit record would fail.
    const std::vector<std::uint8_t> menuRecord = {'m', 'e', 'n', 'u'};
    const auto block = WriteTemplate({{0x52010001, 0, 0, "", "",
                                       {{0x06010000, WriteUnitRecord(WindowUnit())},
                                        {kMenuItemId, menuRecord},
                                        {0x16010003, WriteUnitRecord(WindowUnit())}}}});

    const auto loaded = LoadWindowTemplate(block);

    ASSERT_TRUE(loaded);
    EXPECT_EQ(SummariseTemplate(*loaded), R"(window 52010001 values 00000000,00000000
 unit 06010000 type 00010001 name "" rect 50,50,662,488 pointer - flags 1 settings -
 unit 16010003 type 00010001 name "" rect 50,50,662,488 pointer - flags 1 settings -
)");
}

TEST(WindowTemplate, EveryTruncationFailsWithoutReadingPastTheEnd) {
    const auto block = WriteTemplate({LauncherWindow({{0xA1}, {0xB1}, {0xC1}}),
                                      {0x52010002, 1, 2, "w", "c", {{kMenuItemId, {1, 2, 3}}}}});
    ASSERT_TRUE(LoadWindowTemplate(block));

    for (std::size_t size = 0; size < block.size(); ++size) {
        SCOPED_TRACE(testing::Message() << "cut to " << size << " of " << block.size() << " bytes");
        const auto cut = ExactCopy(Bytes(block).first(size));
        EXPECT_FALSE(LoadWindowTemplate(cut));
    }
}

// One window with empty texts and one unit, so its fields lie at these places.
constexpr std::size_t kIndexSizeAt = 0;
constexpr std::size_t kNameLengthAt = 20;
constexpr std::size_t kUnitCountAt = 28;
constexpr std::size_t kUnitBlockSizeAt = 32;
constexpr std::size_t kFirstOffsetAt = 40;
constexpr std::size_t kFirstRecordLengthAt = 44;
constexpr std::uint32_t kIdsAndOffsetsSize = 8;

TEST(WindowTemplate, MalformedBlocksFail) {
    const auto good = WriteTemplate({{0x52010001, 0, 0, "", "", {{0x06010000, WriteUnitRecord(WindowUnit())}}}});
    ASSERT_TRUE(LoadWindowTemplate(good));
    ASSERT_EQ(U32At(good, kIndexSizeAt), 8u);
    ASSERT_EQ(U32At(good, kUnitCountAt), 1u);
    ASSERT_EQ(U32At(good, kFirstRecordLengthAt), good.size() - kFirstRecordLengthAt - 4);
    const std::uint32_t entriesSize = U32At(good, kUnitBlockSizeAt) - kIdsAndOffsetsSize;

    const struct {
        int line;
        const char* why;
        Mutation mutate;
    } rows[] = {
        {__LINE__, "index size not a multiple of 8", SetU32(kIndexSizeAt, 12)},
        {__LINE__, "index runs past the end", SetU32(kIndexSizeAt, 0xFFFFFFF8)},
        {__LINE__, "window name runs past the end", SetU32(kNameLengthAt, 0x7FFFFFFF)},
        {__LINE__, "more units than the unit block has ids and offsets for", SetU32(kUnitCountAt, 1000)},
        {__LINE__, "unit count that overflows when multiplied by 8", SetU32(kUnitCountAt, 0x20000001)},
        {__LINE__, "unit block runs past the end", AddToU32(kUnitBlockSizeAt, 1)},
        {__LINE__, "offset past the end of the entries", SetU32(kFirstOffsetAt, entriesSize + 1)},
        {__LINE__, "offset at the end of the entries, no room for a length", SetU32(kFirstOffsetAt, entriesSize)},
        {__LINE__, "offset leaves only part of a length", SetU32(kFirstOffsetAt, entriesSize - 2)},
        {__LINE__, "offset near 2^32", SetU32(kFirstOffsetAt, 0xFFFFFFFF)},
        {__LINE__, "record length past the end of the unit block", AddToU32(kFirstRecordLengthAt, 1)},
        {__LINE__, "record length near 2^32", SetU32(kFirstRecordLengthAt, 0xFFFFFFFF)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        auto bytes = good;
        row.mutate(bytes);
        EXPECT_FALSE(LoadWindowTemplate(ExactCopy(bytes)));
    }
}

// Values the fixture record stores right after the counts and lengths the rows replace.
constexpr std::uint32_t kContainedMarker = 0xC0C0C0C0;
constexpr std::uint32_t kBindingMarker = 0x0B0B0B0B;
constexpr std::uint32_t kPointerMarker = 0xD0D0D0D0;

std::vector<std::uint8_t> MarkedRecord(Bytes settings = {}) {
    UnitRecord unit = WindowUnit();
    unit.name = "name";
    unit.containedUnits = {kContainedMarker};
    const std::uint8_t pointer[] = {0xD0, 0xD0, 0xD0, 0xD0};
    unit.mousePointer = pointer;
    unit.bindings = {{static_cast<std::int32_t>(kBindingMarker), 1}};
    unit.settings = settings;
    return WriteUnitRecord(unit);
}

TEST(UnitRecord, MalformedRecordsFail) {
    const auto good = MarkedRecord();
    ASSERT_TRUE(ReadUnitRecord({1, good}));
    constexpr std::size_t kNameAt = 24;

    const struct {
        int line;
        const char* why;
        Mutation mutate;
    } rows[] = {
        {__LINE__, "name without its terminating zero", TruncateTo(kNameAt + 4)},
        {__LINE__, "contained-units count of 2^32-1", SetCountBefore(kContainedMarker, 0xFFFFFFFF)},
        {__LINE__, "contained-units count of 4 GiB of ids", SetCountBefore(kContainedMarker, 0x40000000)},
        {__LINE__, "one contained id more than the record holds",
         SetCountBefore(kContainedMarker, OneMoreThanFits(good, kContainedMarker, 4))},
        {__LINE__, "mouse pointer runs past the end", SetCountBefore(kPointerMarker, 0xFFFFFFFF)},
        {__LINE__, "binding count of 2^32-1", SetCountBefore(kBindingMarker, 0xFFFFFFFF)},
        {__LINE__, "binding count of 4 GiB of bindings", SetCountBefore(kBindingMarker, 0x20000000)},
        {__LINE__, "one binding more than the record holds",
         SetCountBefore(kBindingMarker, OneMoreThanFits(good, kBindingMarker, 8))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        auto bytes = good;
        row.mutate(bytes);
        EXPECT_FALSE(ReadUnitRecord({1, ExactCopy(bytes)}));
    }
}

TEST(UnitRecord, RecordCutInsideItsFieldsFailsAndCutInsideItsSettingsShortensThem) {
    const std::vector<std::uint8_t> settings = {1, 2, 3, 4, 5};
    const auto record = MarkedRecord(settings);
    const std::size_t settingsAt = record.size() - settings.size();

    for (std::size_t size = 0; size <= record.size(); ++size) {
        SCOPED_TRACE(testing::Message() << "cut to " << size << " of " << record.size() << " bytes");
        const auto cut = ExactCopy(Bytes(record).first(size));
        const auto unit = ReadUnitRecord({1, cut});
        if (size < settingsAt) {
            EXPECT_FALSE(unit);
        } else {
            ASSERT_TRUE(unit);
            EXPECT_EQ(unit->settings.size(), size - settingsAt);
        }
    }
}

}  // namespace
}  // namespace launcher::test
