#pragma once
// Command-line options of one probe subcommand: "--name value" pairs, bare "--flag"s, and after
// "--" the words passed on untouched. Each subcommand names the options it accepts, so a typo is
// an error rather than silently ignored.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace probe {

struct OptionSpec {
    std::wstring_view name;  // with the leading "--"
    bool takesValue;
};

class Options {
public:
    // Returns nothing and sets `error` when a word is not a known option or a value is missing.
    static std::optional<Options> Parse(std::span<const wchar_t* const> words, std::span<const OptionSpec> known,
                                        std::wstring& error);

    bool Has(std::wstring_view name) const;
    std::optional<std::wstring> Value(std::wstring_view name) const;
    // A decimal value in [0, 2^32 - 1]; nothing when absent. `valid` turns false when present but malformed.
    std::optional<std::uint32_t> Unsigned(std::wstring_view name, bool& valid) const;
    const std::vector<std::wstring>& Rest() const { return rest_; }

private:
    std::vector<std::pair<std::wstring, std::wstring>> values_;
    std::vector<std::wstring> rest_;
};

// Strict decimal parsing: an optional leading '-', then digits only; nothing when outside [min, max].
std::optional<std::int64_t> ParseDecimal(std::wstring_view text, std::int64_t min, std::int64_t max);

}  // namespace probe
