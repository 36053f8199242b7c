#include "resources/version_block.h"

#include <charconv>
#include <cstdio>

#include "resources/resource_build_error.h"
#include "resources/utf16_text.h"

namespace launcher::resources {
namespace {

constexpr std::uint16_t kBinaryNode = 0;
constexpr std::uint16_t kTextNode = 1;
constexpr std::uint16_t kFixedFileInfoSize = 13 * 4;

std::u16string Utf16(std::string_view utf8, std::string_view what) {
    auto text = Utf16FromUtf8(utf8);
    if (!text) throw ResourceBuildError(std::string(what) + " is not UTF-8");
    if (text->find(u'\0') != std::u16string::npos) {
        throw ResourceBuildError(std::string(what) + " holds U+0000, which would end it early");
    }
    return std::move(*text);
}

// Appends nodes of the version tree. A node's length is known only once its children are
// written, so Begin leaves it open and End fills it in.
class VersionTreeWriter {
public:
    std::size_t Begin(std::u16string_view key, std::uint16_t valueLength, std::uint16_t type) {
        AlignTo32Bits();  // every node starts on a 32-bit boundary; the padding is its parent's
        const std::size_t start = bytes_.size();
        U16(0);  // wLength, filled in by End
        U16(valueLength);
        U16(type);
        Text(key);
        AlignTo32Bits();  // the value, or the first child, starts on a 32-bit boundary
        return start;
    }

    void End(std::size_t start, std::string_view what) {
        const std::size_t length = bytes_.size() - start;
        if (length > 0xFFFF) throw ResourceBuildError(std::string(what) + " is longer than 65535 bytes");
        bytes_[start] = static_cast<std::uint8_t>(length);
        bytes_[start + 1] = static_cast<std::uint8_t>(length >> 8);
    }

    void U16(std::uint16_t v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(static_cast<std::uint16_t>(v));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
    // The characters and a terminating zero.
    void Text(std::u16string_view text) {
        for (const char16_t c : text) U16(c);
        U16(0);
    }

    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    void AlignTo32Bits() { bytes_.resize((bytes_.size() + 3) & ~std::size_t{3}, 0); }

    std::vector<std::uint8_t> bytes_;
};

std::uint32_t High(const FileVersion& v) { return std::uint32_t{v.major} << 16 | v.minor; }
std::uint32_t Low(const FileVersion& v) { return std::uint32_t{v.patch} << 16 | v.build; }

void WriteFixedFileInfo(VersionTreeWriter& w, const FixedFileInfo& fixed) {
    w.U32(kFixedFileInfoSignature);
    w.U32(fixed.structVersion);
    w.U32(High(fixed.fileVersion));
    w.U32(Low(fixed.fileVersion));
    w.U32(High(fixed.productVersion));
    w.U32(Low(fixed.productVersion));
    w.U32(fixed.fileFlagsMask);
    w.U32(fixed.fileFlags);
    w.U32(fixed.fileOs);
    w.U32(fixed.fileType);
    w.U32(fixed.fileSubtype);
    w.U32(fixed.fileDateMs);
    w.U32(fixed.fileDateLs);
}

void WriteString(VersionTreeWriter& w, const VersionString& string) {
    const std::string what = "version string \"" + string.key + "\"";
    if (string.key.empty()) throw ResourceBuildError("a version string has an empty key");
    const std::u16string key = Utf16(string.key, what + "'s key");
    const std::u16string value = Utf16(string.value, what);
    // A text value's length counts 16-bit characters, the terminating zero included.
    if (value.size() + 1 > 0xFFFF) throw ResourceBuildError(what + " is too long");
    const std::size_t node = w.Begin(key, static_cast<std::uint16_t>(value.size() + 1), kTextNode);
    w.Text(value);
    w.End(node, what);
}

}  // namespace

std::optional<FileVersion> ParseFileVersion(std::string_view text) {
    std::uint16_t parts[4] = {};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (at == end || *at != '.') return std::nullopt;
            ++at;
        }
        // from_chars alone would take a sign or stop early on "0x"; only digits are a part.
        if (at == end || *at < '0' || *at > '9') return std::nullopt;
        const auto [next, error] = std::from_chars(at, end, parts[i]);
        if (error != std::errc{}) return std::nullopt;
        at = next;
    }
    if (at != end) return std::nullopt;
    return FileVersion{parts[0], parts[1], parts[2], parts[3]};
}

std::string StringTableKey(std::uint16_t language, std::uint16_t codePage) {
    char key[9];
    std::snprintf(key, sizeof key, "%04X%04X", static_cast<unsigned>(language), static_cast<unsigned>(codePage));
    return key;
}

std::vector<std::uint8_t> BuildVersionBlock(const VersionInfo& info) {
    VersionTreeWriter w;
    const std::size_t root = w.Begin(u"VS_VERSION_INFO", kFixedFileInfoSize, kBinaryNode);
    WriteFixedFileInfo(w, info.fixed);

    const std::size_t stringFileInfo = w.Begin(u"StringFileInfo", 0, kTextNode);
    const std::string tableKey = StringTableKey(info.language, info.codePage);
    const std::size_t table = w.Begin(Utf16(tableKey, "the string table key"), 0, kTextNode);
    for (const auto& string : info.strings) WriteString(w, string);
    w.End(table, "the string table");
    w.End(stringFileInfo, "StringFileInfo");

    const std::size_t varFileInfo = w.Begin(u"VarFileInfo", 0, kTextNode);
    // A binary value's length counts bytes: one language and code page pair.
    const std::size_t translation = w.Begin(u"Translation", 4, kBinaryNode);
    w.U16(info.language);
    w.U16(info.codePage);
    w.End(translation, "Translation");
    w.End(varFileInfo, "VarFileInfo");

    w.End(root, "the version block");
    return w.Take();
}

}  // namespace launcher::resources
