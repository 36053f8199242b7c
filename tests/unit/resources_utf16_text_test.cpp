#include <gtest/gtest.h>

#include "resources/utf16_text.h"

namespace launcher::resources {
namespace {

TEST(Utf16FromUtf8, ConvertsEveryLengthOfSequence) {
    const struct {
        int line;
        const char* why;
        std::string_view utf8;
        std::u16string expected;
    } rows[] = {
        {__LINE__, "empty", "", u""},
        {__LINE__, "ASCII", "Vaskoran2.0", u"Vaskoran2.0"},
        {__LINE__, "two bytes", "\xC3\xA9", u"\u00E9"},
        {__LINE__, "three bytes: Chinese and its punctuation", "\xE3\x80\x8A\xE6\xB8\xB8\xE6\x88\x8F\xE3\x80\x8B",
         u"\u300A\u6E38\u620F\u300B"},
        {__LINE__, "four bytes become a surrogate pair", "\xF0\x9F\x8E\xAE", u"\U0001F3AE"},
        {__LINE__, "the last code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {__LINE__, "a zero byte is a character", std::string_view("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        EXPECT_EQ(Utf16FromUtf8(row.utf8), row.expected);
    }
}

TEST(Utf16FromUtf8, RejectsMalformedText) {
    const struct {
        int line;
        const char* why;
        std::string_view utf8;
    } rows[] = {
        {__LINE__, "a continuation byte alone", "a\x80"},
        {__LINE__, "cut short at the end", "\xE6\xB8"},
        {__LINE__, "a continuation byte missing mid-text", "\xE6\x41\x41"},
        {__LINE__, "overlong two-byte form of U+0000", "\xC0\x80"},
        {__LINE__, "overlong three-byte form", "\xE0\x80\xAF"},
        {__LINE__, "overlong four-byte form", "\xF0\x8F\xBF\xBF"},
        {__LINE__, "a surrogate", "\xED\xA0\x80"},
        {__LINE__, "past U+10FFFF", "\xF4\x90\x80\x80"},
        {__LINE__, "a lead byte no sequence starts with", "\xF8\x88\x80\x80\x80"},
        {__LINE__, "GBK, not UTF-8", "\xD3\xCE\xCF\xB7"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        EXPECT_EQ(Utf16FromUtf8(row.utf8), std::nullopt);
    }
}

}  // namespace
}  // namespace launcher::resources
