#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "byte_mutations.h"
#include "resources/resource_build_error.h"
#include "resources/version_block.h"
#include "window/byte_reader.h"

namespace launcher::resources {
namespace {

constexpr std::uint16_t kTextNode = 1;

// One node of the version tree as read back: header, key, value, children.
struct VersionNode {
    std::uint16_t valueLength = 0;
    std::uint16_t type = 0;
    std::u16string key;
    Bytes value;
    std::vector<VersionNode> children;
};

std::uint16_t U16(ByteReader& r) {
    const Bytes b = r.Take(2);
    return b.empty() ? 0 : static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

bool ZeroPaddingTo32Bits(ByteReader& r) {
    while (r.Ok() && r.Offset() % 4 != 0) {
        const Bytes b = r.Take(1);
        if (b.empty() || b[0] != 0) return false;
    }
    return r.Ok();
}

// Reads the node at the reader's place strictly: it starts on a 32-bit boundary, padding is
// zero, and its length ends exactly where its value or its last child ends.
std::optional<VersionNode> ReadNode(Bytes block, ByteReader& r) {
    if (r.Offset() % 4 != 0) return std::nullopt;
    const std::size_t start = r.Offset();
    const std::uint16_t length = U16(r);
    VersionNode node;
    node.valueLength = U16(r);
    node.type = U16(r);
    if (!r.Ok() || length < 6 || length > block.size() - start) return std::nullopt;
    ByteReader inside(block.first(start + length));
    inside.Skip(r.Offset());
    for (std::uint16_t c = U16(inside); c != 0 && inside.Ok(); c = U16(inside)) node.key.push_back(c);
    if (!ZeroPaddingTo32Bits(inside)) return std::nullopt;
    const std::size_t valueBytes = node.type == kTextNode ? 2u * node.valueLength : node.valueLength;
    node.value = inside.Take(valueBytes);
    if (!inside.Ok()) return std::nullopt;
    while (!inside.AtEnd()) {
        if (!ZeroPaddingTo32Bits(inside) || inside.AtEnd()) return std::nullopt;  // padding after the last child
        auto child = ReadNode(block, inside);
        if (!child) return std::nullopt;
        node.children.push_back(std::move(*child));
    }
    r.Skip(length - (r.Offset() - start));
    return node;
}

std::optional<VersionNode> ReadVersionBlock(Bytes block) {
    ByteReader r(block);
    auto root = ReadNode(block, r);
    if (!root || !r.AtEnd()) return std::nullopt;
    return root;
}

std::string Printable(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out;
}

// key valueLength/type, then ="text" for a text value, a byte count for a binary one, and the
// children in braces: the whole tree on one line, so one comparison checks it all.
std::string Summary(const VersionNode& node) {
    std::string out = Printable(node.key) + " " + std::to_string(node.valueLength) + "/" + std::to_string(node.type);
    if (node.type == kTextNode && !node.value.empty()) {
        std::u16string text;
        for (std::size_t i = 0; i + 1 < node.value.size(); i += 2) {
            text.push_back(static_cast<char16_t>(node.value[i] | node.value[i + 1] << 8));
        }
        const bool terminated = !text.empty() && text.back() == u'\0';
        if (terminated) text.pop_back();
        out += "=\"" + Printable(text) + "\"" + (terminated ? "" : " (no terminating zero)");
    } else if (!node.value.empty()) {
        out += " [" + std::to_string(node.value.size()) + " bytes]";
    }
    if (!node.children.empty()) {
        out += " {";
        for (std::size_t i = 0; i < node.children.size(); ++i) out += (i ? ", " : "") + Summary(node.children[i]);
        out += "}";
    }
    return out;
}

VersionInfo SampleInfo() {
    VersionInfo info;
    info.fixed.fileVersion = {2, 0, 0, 0};
    info.fixed.productVersion = {2, 0, 0, 0};
    info.fixed.fileOs = kFileOsWindows32;
    info.fixed.fileType = kFileTypeApplication;
    info.language = 0x0804;
    info.codePage = 0x04B0;
    // Keys and values of odd and even lengths, so some nodes need padding and some do not.
    info.strings = {
        {"FileVersion", "2.0.0.0"},
        {"A", "odd"},
        {"Ab", ""},
        {"LegalCopyright", "\xE3\x80\x8AVaskoran\xE3\x80\x8B"},
        {"Wide", "\xF0\x9F\x8E\xAE"},
    };
    return info;
}

TEST(VersionBlock, ReadsBackAsTheTreeWindowsExpects) {
    const auto block = BuildVersionBlock(SampleInfo());

    const auto copy = launcher::test::ExactCopy(block);  // so a read past the end is caught
    const auto root = ReadVersionBlock(copy);

    ASSERT_TRUE(root) << "the block does not read back as a strictly laid out version tree";
    EXPECT_EQ(Summary(*root),
              "VS_VERSION_INFO 52/0 [52 bytes] {"
              "StringFileInfo 0/1 {080404B0 0/1 {"
              "FileVersion 8/1=\"2.0.0.0\", "
              "A 4/1=\"odd\", "
              "Ab 1/1=\"\", "
              "LegalCopyright 11/1=\"\\u300AVaskoran\\u300B\", "
              "Wide 3/1=\"\\uD83C\\uDFAE\"}}, "
              "VarFileInfo 0/1 {Translation 4/0 [4 bytes]}}");
    const Bytes translation = root->children.at(1).children.at(0).value;
    EXPECT_EQ(std::vector<std::uint8_t>(translation.begin(), translation.end()),
              (std::vector<std::uint8_t>{0x04, 0x08, 0xB0, 0x04}));
}

TEST(VersionBlock, FixedFileInfoHoldsEveryFieldInOrder) {
    VersionInfo info;
    // A different value in every field, so a swapped pair shows.
    info.fixed = {0x00010000, {1, 2, 3, 4}, {5, 6, 7, 8}, 0x3F, 0x02, kFileOsWindows32, kFileTypeApplication, 0x09,
                  0x0A0B0C0D, 0x0E0F1011};

    const auto block = BuildVersionBlock(info);

    constexpr std::size_t kFixedAt = 40;  // after the header and "VS_VERSION_INFO" padded
    const std::uint32_t expected[13] = {kFixedFileInfoSignature, 0x00010000, 0x00010002, 0x00030004, 0x00050006,
                                        0x00070008, 0x3F, 0x02, 4, 1, 0x09, 0x0A0B0C0D, 0x0E0F1011};
    for (std::size_t i = 0; i < 13; ++i) {
        SCOPED_TRACE(testing::Message() << "field " << i);
        EXPECT_EQ(launcher::test::U32At(block, kFixedAt + 4 * i), expected[i]);
    }
}

TEST(VersionBlock, RefusesWhatItCannotStore) {
    const auto withString = [](std::string key, std::string value) {
        VersionInfo info = SampleInfo();
        info.strings.push_back({std::move(key), std::move(value)});
        return info;
    };
    VersionInfo tooManyStrings = SampleInfo();
    tooManyStrings.strings.assign(100, {"Comments", std::string(400, 'x')});
    const struct {
        int line;
        const char* why;
        VersionInfo info;
        std::string_view message;
    } rows[] = {
        {__LINE__, "a value in GBK", withString("Comments", "\xD3\xCE\xCF\xB7"), "\"Comments\" is not UTF-8"},
        {__LINE__, "a key that is not UTF-8", withString("\xFF", "x"), "key is not UTF-8"},
        {__LINE__, "an empty key", withString("", "x"), "empty key"},
        {__LINE__, "U+0000 would end the value early", withString("Comments", std::string("a\0b", 3)), "U+0000"},
        {__LINE__, "one string past 64 KiB", withString("Comments", std::string(40000, 'x')), "longer than 65535"},
        {__LINE__, "the table past 64 KiB", tooManyStrings, "string table is longer than 65535"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.why);
        try {
            BuildVersionBlock(row.info);
            ADD_FAILURE() << "built a block";
        } catch (const ResourceBuildError& error) {
            EXPECT_NE(std::string_view(error.what()).find(row.message), std::string_view::npos) << error.what();
        }
    }
}

TEST(ParseFileVersion, TakesFourDecimalParts) {
    const struct {
        int line;
        std::string_view text;
        std::optional<std::array<std::uint16_t, 4>> expected;
    } rows[] = {
        {__LINE__, "2.0.0.0", std::array<std::uint16_t, 4>{2, 0, 0, 0}},
        {__LINE__, "65535.1.22.333", std::array<std::uint16_t, 4>{65535, 1, 22, 333}},
        {__LINE__, "65536.0.0.0", std::nullopt},
        {__LINE__, "2.0.0", std::nullopt},
        {__LINE__, "2.0.0.0.0", std::nullopt},
        {__LINE__, "2..0.0", std::nullopt},
        {__LINE__, "2.0.0.", std::nullopt},
        {__LINE__, "+2.0.0.0", std::nullopt},
        {__LINE__, "-2.0.0.0", std::nullopt},
        {__LINE__, " 2.0.0.0", std::nullopt},
        {__LINE__, "2.0.0.0 ", std::nullopt},
        {__LINE__, "0x2.0.0.0", std::nullopt},
        {__LINE__, "", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": \"" << row.text << "\"");
        const auto version = ParseFileVersion(row.text);
        ASSERT_EQ(version.has_value(), row.expected.has_value());
        if (!version) continue;
        EXPECT_EQ((std::array{version->major, version->minor, version->patch, version->build}), *row.expected);
    }
}

}  // namespace
}  // namespace launcher::resources
