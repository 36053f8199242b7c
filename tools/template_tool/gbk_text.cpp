#include "gbk_text.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "tool_error.h"

namespace launcher::template_tool {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == Invalid()) {
            throw ToolError(std::string("this system's iconv cannot convert from ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The converted text, or the offset of the first input byte that could not be converted.
    struct Result {
        std::string text;
        std::optional<std::size_t> failedAt;
    };

    Result Convert(std::string_view input) {
        // Neither direction more than doubles the size; the E2BIG branch covers any surprise.
        std::string output(input.size() * 2 + 4, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        while (inLeft > 0) {
            if (iconv(handle_, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1)) continue;
            if (errno != E2BIG) return {{}, static_cast<std::size_t>(in - input.data())};
            const std::size_t used = static_cast<std::size_t>(out - output.data());
            output.resize(output.size() * 2);
            out = output.data() + used;
            outLeft = output.size() - used;
        }
        output.resize(static_cast<std::size_t>(out - output.data()));
        return {std::move(output), std::nullopt};
    }

private:
    static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }

    iconv_t handle_;
};

// "U+4E2D" for the UTF-8 sequence at the start of text (already validated by the JSON parser).
std::string CodePointName(std::string_view text) {
    const auto lead = static_cast<std::uint8_t>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::uint32_t codePoint = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length && i < text.size(); ++i) {
        codePoint = codePoint << 6 | (static_cast<std::uint8_t>(text[i]) & 0x3Fu);
    }
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
    Converter converter("GBK", "UTF-8");
    auto result = converter.Convert(utf8);
    if (result.failedAt) {
        throw ToolError("character " + CodePointName(utf8.substr(*result.failedAt)) +
                        " cannot be stored in GBK");
    }
    return std::move(result.text);
}

std::optional<std::string> GbkToUtf8(std::string_view gbk) {
    Converter converter("UTF-8", "GBK");
    auto result = converter.Convert(gbk);
    if (result.failedAt) return std::nullopt;
    return std::move(result.text);
}

}  // namespace launcher::template_tool
