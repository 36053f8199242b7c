#include "describe_bytes.h"

#include <cstdio>

namespace launcher::test {
namespace {

std::string HexByte(std::uint8_t b) {
    char text[3];
    std::snprintf(text, sizeof text, "%02x", b);
    return text;
}

}  // namespace

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto b = static_cast<std::uint8_t>(c);
        if (b >= 0x20 && b < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            out += "\\x" + HexByte(b);
        }
    }
    return out + "\"";
}

std::string HexBytes(Bytes bytes) {
    if (bytes.empty()) return "-";
    std::string out;
    for (const auto b : bytes) out += HexByte(b);
    return out;
}

std::string Hex32(std::uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

}  // namespace launcher::test
