#pragma once
// Builds the one-line JSON objects the probe prints. Text arrives as UTF-16 from Win32 or as
// UTF-8 and leaves as escaped UTF-8; numbers keep their full 64-bit range.

#include <cstdint>
#include <string>
#include <string_view>

namespace probe {

std::string Utf8FromWide(std::wstring_view text);

class JsonArray;

class JsonObject {
public:
    JsonObject& Text(std::string_view key, std::string_view utf8);
    JsonObject& Text(std::string_view key, std::wstring_view text);
    JsonObject& Number(std::string_view key, std::int64_t value);
    JsonObject& Unsigned(std::string_view key, std::uint64_t value);
    JsonObject& Boolean(std::string_view key, bool value);
    JsonObject& Null(std::string_view key);
    JsonObject& Object(std::string_view key, const JsonObject& value);
    JsonObject& Array(std::string_view key, const JsonArray& value);

    std::string Serialised() const { return "{" + members_ + "}"; }

private:
    JsonObject& Member(std::string_view key, std::string_view json);

    std::string members_;
};

class JsonArray {
public:
    JsonArray& Append(const JsonObject& value);
    JsonArray& Append(std::int64_t value);
    JsonArray& Append(std::wstring_view text);

    std::string Serialised() const { return "[" + elements_ + "]"; }

private:
    std::string elements_;
};

// Writes the object and a newline to standard output in one unbuffered write, so a reader on a
// pipe sees each report as soon as it is made.
void PrintLine(const JsonObject& object);

}  // namespace probe
