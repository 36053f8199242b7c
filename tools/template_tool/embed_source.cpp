#include "embed_source.h"

#include <array>

namespace launcher::template_tool {
namespace {

// A string literal of \x escapes compiles many times faster than a list of numbers of the
// same bytes (a half-megabyte block: well under a second against several with mingw g++).
constexpr std::size_t kBytesPerLine = 32;

void AppendLiteralLine(std::string& out, Bytes bytes) {
    static constexpr std::array<char, 16> kDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    out += "    \"";
    for (const auto byte : bytes) {
        out += "\\x";
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0xF];
    }
    out += "\"\n";
}

}  // namespace

std::string EmbedSource(Bytes block) {
    const std::string size = std::to_string(block.size());
    std::string out;
    out.reserve(block.size() * 4 + block.size() / kBytesPerLine * 8 + 1024);
    out +=
        "// Made by template_tool embed from the template block; do not edit.\n"
        "#include \"resources/embedded_template.h\"\n"
        "\n"
        "#include <cstddef>\n"
        "#include <cstdint>\n"
        "\n"
        "// The block is far longer than the string literals every compiler must take; ours take it.\n"
        "#pragma GCC diagnostic ignored \"-Woverlength-strings\"\n"
        "\n"
        "namespace launcher {\n"
        "namespace {\n"
        "\n"
        "constexpr std::size_t kBlockSize = " + size + ";\n"
        "\n"
        "// One byte longer than the block for the literal's terminating zero, which is not part of it.\n"
        "alignas(4) const std::uint8_t kBlock[kBlockSize + 1] =\n";
    if (block.empty()) out += "    \"\"\n";
    for (std::size_t at = 0; at < block.size(); at += kBytesPerLine) {
        AppendLiteralLine(out, block.subspan(at, std::min(kBytesPerLine, block.size() - at)));
    }
    out +=
        "    ;\n"
        "\n"
        "}  // namespace\n"
        "\n"
        "Bytes EmbeddedTemplate() {\n"
        "    return {kBlock, kBlockSize};\n"
        "}\n"
        "\n"
        "}  // namespace launcher\n";
    return out;
}

}  // namespace launcher::template_tool
