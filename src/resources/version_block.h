#pragma once
// The bytes of a version resource (RT_VERSION): the fixed file information, one string table and
// its one translation, laid out as Windows reads them. Portable, so the build makes the block on
// its host and the resource compiler only copies it in; that keeps every field ours to choose.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace launcher::resources {

// Four 16-bit parts, written "2.0.0.0".
struct FileVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t patch = 0;
    std::uint16_t build = 0;
};

// Exactly four dot-separated decimal parts, each at most 65535.
std::optional<FileVersion> ParseFileVersion(std::string_view text);

constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
constexpr std::uint32_t kFileOsWindows32 = 0x00000004;  // VOS__WINDOWS32
constexpr std::uint32_t kFileTypeApplication = 1;       // VFT_APP

// VS_FIXEDFILEINFO after its signature, field for field.
struct FixedFileInfo {
    std::uint32_t structVersion = 0;
    FileVersion fileVersion;
    FileVersion productVersion;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOs = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMs = 0;
    std::uint32_t fileDateLs = 0;
};

struct VersionString {
    std::string key;    // UTF-8, such as "ProductName"
    std::string value;  // UTF-8
};

struct VersionInfo {
    FixedFileInfo fixed;
    // Name the string table ("080404B0") and make the one Translation entry.
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    std::vector<VersionString> strings;  // stored in this order
};

// The string table's key: language and code page as eight upper-case hex digits.
std::string StringTableKey(std::uint16_t language, std::uint16_t codePage);

// VS_VERSIONINFO > StringFileInfo > StringTable > String..., then VarFileInfo > Var "Translation".
// Every node starts on a 32-bit boundary; its length covers its header, key, value and children,
// not the padding after it. Throws ResourceBuildError for text that is not UTF-8, a key that is
// empty, text holding U+0000, or a node longer than its 16-bit length can say.
std::vector<std::uint8_t> BuildVersionBlock(const VersionInfo& info);

}  // namespace launcher::resources
