#pragma once
// Typed access to the description's JSON values. Every value carries its path
// ("windows[0].units[1].settings.Caption"), so an error says exactly where the description is wrong.

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace launcher::template_tool {

// Keeps keys in the order they were written, so a dump reads in stored order.
using Json = nlohmann::ordered_json;

class JsonNode {
public:
    JsonNode(const Json& value, std::string path) : value_(&value), path_(std::move(path)) {}

    const Json& Value() const { return *value_; }
    const std::string& Path() const { return path_; }
    bool IsNull() const { return value_->is_null(); }
    bool IsString() const { return value_->is_string(); }

    // Throws ToolError "<path>: <problem>".
    [[noreturn]] void Fail(std::string_view problem) const;

    // A whole number from 0 to 0xFFFFFFFF, or a hex string such as "0x52010001".
    std::uint32_t U32() const;
    std::int32_t I32() const;
    // true/false or 1/0.
    bool Flag() const;
    // A JSON string, UTF-8 as written.
    const std::string& String() const;
    // A JSON string converted to GBK.
    std::string GbkText() const;
    std::vector<JsonNode> Elements() const;

private:
    const Json* value_;
    std::string path_;
};

// Reads an object's fields by name and at the end refuses any field that was not read, so a
// misspelt or misplaced field is an error instead of silently leaving a value at its default.
class JsonObject {
public:
    explicit JsonObject(const JsonNode& node);

    const std::string& Path() const { return node_.Path(); }
    bool Has(std::string_view key) const;
    // Fails when the field is missing.
    JsonNode Field(std::string_view key);
    // Fails naming the first field that no Field() call asked for.
    void Finish() const;

private:
    JsonNode node_;
    std::set<std::string, std::less<>> read_;
};

}  // namespace launcher::template_tool
