#include "json_node.h"

#include <charconv>
#include <limits>

#include "gbk_text.h"
#include "tool_error.h"

namespace launcher::template_tool {
namespace {

std::string ChildPath(const std::string& parent, std::string_view key) {
    return parent.empty() ? std::string(key) : parent + "." + std::string(key);
}

// The offending value as JSON, shortened so a large object does not flood the message.
std::string Shown(const Json& value) {
    constexpr std::size_t kLongest = 60;
    std::string text = value.dump();
    if (text.size() > kLongest) text = text.substr(0, kLongest) + "...";
    return text;
}

}  // namespace

void JsonNode::Fail(std::string_view problem) const {
    throw ToolError((path_.empty() ? std::string("(top level)") : path_) + ": " + std::string(problem));
}

std::uint32_t JsonNode::U32() const {
    if (value_->is_number_unsigned()) {
        const auto v = value_->get<std::uint64_t>();
        if (v <= std::numeric_limits<std::uint32_t>::max()) return static_cast<std::uint32_t>(v);
    } else if (value_->is_string()) {
        const std::string& text = value_->get_ref<const std::string&>();
        if (text.size() > 2 && text.size() <= 10 && (text.starts_with("0x") || text.starts_with("0X"))) {
            std::uint32_t v = 0;
            const char* end = text.data() + text.size();
            const auto [stop, error] = std::from_chars(text.data() + 2, end, v, 16);
            if (error == std::errc() && stop == end) return v;
        }
    }
    Fail("expected a whole number from 0 to 4294967295 or a hex string like \"0x52010001\", found " +
         Shown(*value_));
}

std::int32_t JsonNode::I32() const {
    if (value_->is_number_integer()) {
        if (value_->is_number_unsigned()) {
            const auto v = value_->get<std::uint64_t>();
            if (v <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
                return static_cast<std::int32_t>(v);
            }
        } else {
            const auto v = value_->get<std::int64_t>();
            if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max()) {
                return static_cast<std::int32_t>(v);
            }
        }
    }
    Fail("expected a whole number from -2147483648 to 2147483647, found " + Shown(*value_));
}

bool JsonNode::Flag() const {
    if (value_->is_boolean()) return value_->get<bool>();
    if (value_->is_number_unsigned()) {
        const auto v = value_->get<std::uint64_t>();
        if (v <= 1) return v == 1;
    }
    Fail("expected 0, 1, true or false, found " + Shown(*value_));
}

const std::string& JsonNode::String() const {
    if (!value_->is_string()) Fail("expected a string, found " + Shown(*value_));
    return value_->get_ref<const std::string&>();
}

std::string JsonNode::GbkText() const {
    try {
        return Utf8ToGbk(String());
    } catch (const ToolError& error) {
        Fail(error.what());
    }
}

std::vector<JsonNode> JsonNode::Elements() const {
    if (!value_->is_array()) Fail("expected a list, found " + Shown(*value_));
    std::vector<JsonNode> elements;
    elements.reserve(value_->size());
    for (std::size_t i = 0; i < value_->size(); ++i) {
        elements.emplace_back((*value_)[i], path_ + "[" + std::to_string(i) + "]");
    }
    return elements;
}

JsonObject::JsonObject(const JsonNode& node) : node_(node) {
    if (!node.Value().is_object()) node.Fail("expected an object {...}, found " + Shown(node.Value()));
}

bool JsonObject::Has(std::string_view key) const {
    return node_.Value().contains(std::string(key));
}

JsonNode JsonObject::Field(std::string_view key) {
    const auto found = node_.Value().find(std::string(key));
    if (found == node_.Value().end()) node_.Fail("missing field \"" + std::string(key) + "\"");
    read_.emplace(key);
    return JsonNode(*found, ChildPath(node_.Path(), key));
}

void JsonObject::Finish() const {
    for (const auto& [key, value] : node_.Value().items()) {
        if (!read_.contains(key)) {
            JsonNode(value, ChildPath(node_.Path(), key)).Fail("unexpected field (misspelt, or not used here)");
        }
    }
}

}  // namespace launcher::template_tool
