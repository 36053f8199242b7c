// The damage command's cut: how its size is given, and that it never hands back a readable block.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tool_error.h"
#include "truncate_block.h"
#include "window/window_template_writer.h"

namespace launcher::template_tool {
namespace {

TEST(TemplateToolDamage, KeptSizeIsACountOrAPercentageShorterThanTheBlock) {
    struct Case {
        int line;
        const char* text;
        std::size_t blockSize;
        std::optional<std::size_t> kept;  // empty: refused
    };
    const Case cases[] = {
        {__LINE__, "100", 1000, 100},
        {__LINE__, "0", 1000, 0},
        {__LINE__, "50%", 1001, 500},  // rounded down
        {__LINE__, "99%", 473753, 469015},
        {__LINE__, "999", 1000, 999},
        {__LINE__, "1000", 1000, std::nullopt},  // not shorter
        {__LINE__, "100%", 1000, std::nullopt},
        {__LINE__, "101%", 1000, std::nullopt},
        {__LINE__, "", 1000, std::nullopt},
        {__LINE__, "%", 1000, std::nullopt},
        {__LINE__, "-1", 1000, std::nullopt},
        {__LINE__, "5x", 1000, std::nullopt},
        {__LINE__, "0x10", 1000, std::nullopt},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(::testing::Message() << "line " << row.line << ": \"" << row.text << "\"");
        if (row.kept) {
            EXPECT_EQ(ParseKeptSize(row.text, row.blockSize), *row.kept);
        } else {
            EXPECT_THROW(ParseKeptSize(row.text, row.blockSize), ToolError);
        }
    }
}

TEST(TemplateToolDamage, RefusesACutThatStillLoads) {
    const WindowDefinition window{0x52010001, 0, 0, "", "", {}};
    std::vector<std::uint8_t> block = WriteWindowTemplate(std::span(&window, 1));
    const std::size_t templateSize = block.size();
    block.resize(templateSize + 8);  // the loader ignores bytes after the last window

    EXPECT_THROW(TruncateBlock(block, templateSize), ToolError);
    EXPECT_EQ(TruncateBlock(block, templateSize - 1).size(), templateSize - 1);
}

}  // namespace
}  // namespace launcher::template_tool
