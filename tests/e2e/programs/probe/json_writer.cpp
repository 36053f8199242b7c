#include "json_writer.h"

#include <windows.h>

#include <climits>

namespace probe {
namespace {

std::string Quoted(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else {
                out += c;  // bytes of multi-byte UTF-8 sequences pass through unchanged
            }
        }
    }
    out += '"';
    return out;
}

}  // namespace

std::string Utf8FromWide(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    // Unpaired surrogates become U+FFFD, so the output is always valid UTF-8.
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), bytes, nullptr, nullptr);
    return out;
}

JsonObject& JsonObject::Member(std::string_view key, std::string_view json) {
    if (!members_.empty()) members_ += ',';
    members_ += Quoted(key);
    members_ += ':';
    members_ += json;
    return *this;
}

JsonObject& JsonObject::Text(std::string_view key, std::string_view utf8) { return Member(key, Quoted(utf8)); }
JsonObject& JsonObject::Text(std::string_view key, std::wstring_view text) {
    return Member(key, Quoted(Utf8FromWide(text)));
}
JsonObject& JsonObject::Number(std::string_view key, std::int64_t value) { return Member(key, std::to_string(value)); }
JsonObject& JsonObject::Unsigned(std::string_view key, std::uint64_t value) {
    return Member(key, std::to_string(value));
}
JsonObject& JsonObject::Boolean(std::string_view key, bool value) { return Member(key, value ? "true" : "false"); }
JsonObject& JsonObject::Null(std::string_view key) { return Member(key, "null"); }
JsonObject& JsonObject::Object(std::string_view key, const JsonObject& value) {
    return Member(key, value.Serialised());
}
JsonObject& JsonObject::Array(std::string_view key, const JsonArray& value) { return Member(key, value.Serialised()); }

JsonArray& JsonArray::Append(const JsonObject& value) {
    if (!elements_.empty()) elements_ += ',';
    elements_ += value.Serialised();
    return *this;
}

JsonArray& JsonArray::Append(std::int64_t value) {
    if (!elements_.empty()) elements_ += ',';
    elements_ += std::to_string(value);
    return *this;
}

JsonArray& JsonArray::Append(std::wstring_view text) {
    if (!elements_.empty()) elements_ += ',';
    elements_ += Quoted(Utf8FromWide(text));
    return *this;
}

void PrintLine(const JsonObject& object) {
    const std::string line = object.Serialised() + "\n";
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace probe
