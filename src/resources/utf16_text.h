#pragma once
// UTF-8 to UTF-16, the form Windows resources store their text in.

#include <optional>
#include <string>
#include <string_view>

namespace launcher::resources {

// Nothing for text that is not well-formed UTF-8: a stray or missing continuation byte, an
// overlong form, a surrogate, or a code point past U+10FFFF.
std::optional<std::u16string> Utf16FromUtf8(std::string_view utf8);

}  // namespace launcher::resources
