#include "json_format.h"

namespace launcher::template_tool {
namespace {

constexpr std::size_t kIndent = 2;
constexpr std::size_t kLongestInline = 72;

// The value on one line, with a space after each comma and colon.
std::string Inline(const Json& value) {
    if (!value.is_structured()) return value.dump();
    if (value.empty()) return value.is_array() ? "[]" : "{}";
    std::string text = value.is_array() ? "[" : "{";
    bool first = true;
    for (const auto& [key, element] : value.items()) {
        if (!first) text += ", ";
        first = false;
        if (value.is_object()) text += Json(key).dump() + ": ";
        text += Inline(element);
    }
    return text + (value.is_array() ? "]" : "}");
}

void Append(std::string& out, const Json& value, std::size_t depth) {
    const std::string oneLine = Inline(value);
    if (!value.is_structured() || depth * kIndent + oneLine.size() <= kLongestInline) {
        out += oneLine;
        return;
    }
    out += value.is_array() ? "[\n" : "{\n";
    bool first = true;
    for (const auto& [key, element] : value.items()) {
        if (!first) out += ",\n";
        first = false;
        out.append((depth + 1) * kIndent, ' ');
        if (value.is_object()) out += Json(key).dump() + ": ";
        Append(out, element, depth + 1);
    }
    out += '\n';
    out.append(depth * kIndent, ' ');
    out += value.is_array() ? ']' : '}';
}

}  // namespace

std::string FormatDescription(const Json& description) {
    std::string out;
    Append(out, description, 0);
    return out + "\n";
}

}  // namespace launcher::template_tool
