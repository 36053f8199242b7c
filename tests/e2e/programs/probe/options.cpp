#include "options.h"

#include <algorithm>

namespace probe {

std::optional<Options> Options::Parse(std::span<const wchar_t* const> words, std::span<const OptionSpec> known,
                                      std::wstring& error) {
    Options options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::wstring_view word = words[i];
        if (word == L"--") {
            options.rest_.assign(words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());
            return options;
        }
        const auto knownOption = std::find_if(known.begin(), known.end(), [&](const OptionSpec& s) { return s.name == word; });
        if (knownOption == known.end()) {
            error = L"unknown option: " + std::wstring(word);
            return std::nullopt;
        }
        if (!knownOption->takesValue) {
            options.values_.emplace_back(word, L"");
            continue;
        }
        if (i + 1 >= words.size()) {
            error = L"missing value after " + std::wstring(word);
            return std::nullopt;
        }
        options.values_.emplace_back(word, words[++i]);
    }
    return options;
}

bool Options::Has(std::wstring_view name) const {
    return std::any_of(values_.begin(), values_.end(), [&](const auto& v) { return v.first == name; });
}

std::optional<std::wstring> Options::Value(std::wstring_view name) const {
    // The last occurrence wins, as in most command-line tools.
    for (auto it = values_.rbegin(); it != values_.rend(); ++it) {
        if (it->first == name) return it->second;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> Options::Unsigned(std::wstring_view name, bool& valid) const {
    const std::optional<std::wstring> text = Value(name);
    if (!text) return std::nullopt;
    const std::optional<std::int64_t> number = ParseDecimal(*text, 0, UINT32_MAX);
    if (!number) {
        valid = false;
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*number);
}

std::optional<std::int64_t> ParseDecimal(std::wstring_view text, std::int64_t min, std::int64_t max) {
    const bool negative = !text.empty() && text.front() == L'-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 18) return std::nullopt;  // 18 digits cannot overflow int64
    std::int64_t magnitude = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        magnitude = magnitude * 10 + (c - L'0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < min || value > max) return std::nullopt;
    return value;
}

}  // namespace probe
