#include "resources/utf16_text.h"

#include <cstdint>

namespace launcher::resources {
namespace {

constexpr char32_t kSurrogatesFirst = 0xD800;
constexpr char32_t kSurrogatesLast = 0xDFFF;
constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSupplementary = 0x10000;

struct SequenceForm {
    int continuationBytes;
    char32_t leadBits;       // the code point bits the lead byte carries
    char32_t smallestValue;  // anything smaller has a shorter form
};

std::optional<SequenceForm> FormOf(std::uint8_t lead) {
    if (lead < 0x80) return SequenceForm{0, lead, 0};
    if ((lead & 0xE0) == 0xC0) return SequenceForm{1, lead & 0x1Fu, 0x80};
    if ((lead & 0xF0) == 0xE0) return SequenceForm{2, lead & 0x0Fu, 0x800};
    if ((lead & 0xF8) == 0xF0) return SequenceForm{3, lead & 0x07u, kFirstSupplementary};
    return std::nullopt;  // a continuation byte, or a lead byte no valid sequence starts with
}

void AppendUtf16(std::u16string& out, char32_t codePoint) {
    if (codePoint < kFirstSupplementary) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    const char32_t offset = codePoint - kFirstSupplementary;
    out.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
}

}  // namespace

std::optional<std::u16string> Utf16FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto form = FormOf(static_cast<std::uint8_t>(utf8[i]));
        if (!form) return std::nullopt;
        const std::size_t length = 1 + static_cast<std::size_t>(form->continuationBytes);
        if (length > utf8.size() - i) return std::nullopt;  // cut short at the end
        char32_t codePoint = form->leadBits;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            codePoint = codePoint << 6 | (next & 0x3Fu);
        }
        if (codePoint < form->smallestValue || codePoint > kLastCodePoint ||
            (codePoint >= kSurrogatesFirst && codePoint <= kSurrogatesLast)) {
            return std::nullopt;
        }
        AppendUtf16(out, codePoint);
        i += length;
    }
    return out;
}

}  // namespace launcher::resources
