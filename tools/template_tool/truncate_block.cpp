#include "truncate_block.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "tool_error.h"
#include "window/window_template.h"

namespace launcher::template_tool {

std::size_t ParseKeptSize(std::string_view text, std::size_t blockSize) {
    const bool percent = text.ends_with('%');
    const std::string_view digits = percent ? text.substr(0, text.size() - 1) : text;
    std::size_t value = 0;
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || stop != digits.data() + digits.size() ||
        (percent && value > 100)) {
        throw ToolError("--truncate takes a byte count or a percentage such as 50%, not \"" + std::string(text) + "\"");
    }
    // Split so the product cannot overflow: floor(size * p / 100) exactly.
    const std::size_t kept = percent ? blockSize / 100 * value + blockSize % 100 * value / 100 : value;
    if (kept >= blockSize) {
        throw ToolError("--truncate " + std::string(text) + " keeps " + std::to_string(kept) +
                        " bytes; the block has only " + std::to_string(blockSize));
    }
    return kept;
}

std::vector<std::uint8_t> TruncateBlock(Bytes block, std::size_t keptSize) {
    const Bytes kept = block.first(std::min(keptSize, block.size()));
    if (LoadWindowTemplate(kept)) {
        throw ToolError("the first " + std::to_string(kept.size()) +
                        " bytes still load as a template; cut elsewhere for a broken block");
    }
    return {kept.begin(), kept.end()};
}

}  // namespace launcher::template_tool
