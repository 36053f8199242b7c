#include "block_files.h"

#include <algorithm>
#include <array>

#include "file_bytes.h"
#include "tool_error.h"

namespace launcher::template_tool {
namespace {

bool StartsWith(Bytes bytes, std::span<const std::uint8_t> signature) {
    return bytes.size() >= signature.size() && std::equal(signature.begin(), signature.end(), bytes.begin());
}

}  // namespace

Bytes BlockFileReader::Load(const JsonNode& fileName) {
    if (fileName.IsNull()) return {};
    const std::filesystem::path path = folder_ / fileName.String();
    try {
        return Keep(ReadFileBytes(path));
    } catch (const ToolError& error) {
        fileName.Fail(error.what());
    }
}

Bytes BlockFileReader::Keep(std::vector<std::uint8_t> bytes) {
    return kept_.emplace_back(std::move(bytes));
}

Json BlockFileWriter::Store(std::string_view stem, Bytes bytes) {
    if (bytes.empty()) return nullptr;
    const std::string_view extension = ExtensionFor(bytes);
    std::string name = std::string(stem) + std::string(extension);
    for (int copy = 2; names_.contains(name); ++copy) {
        name = std::string(stem) + "-" + std::to_string(copy) + std::string(extension);
    }
    names_.insert(name);
    pending_.push_back({name, bytes});
    return name;
}

void BlockFileWriter::RollBack(std::size_t mark) {
    while (pending_.size() > mark) {
        names_.erase(pending_.back().name);
        pending_.pop_back();
    }
}

void BlockFileWriter::WriteAll(const std::filesystem::path& folder) const {
    for (const auto& file : pending_) WriteFileAtomically(folder / file.name, file.bytes);
}

std::string_view ExtensionFor(Bytes bytes) {
    static constexpr std::array<std::uint8_t, 3> kJpeg{0xFF, 0xD8, 0xFF};
    static constexpr std::array<std::uint8_t, 4> kIcon{0x00, 0x00, 0x01, 0x00};
    if (StartsWith(bytes, kJpeg)) return ".jpg";
    if (StartsWith(bytes, kIcon)) return ".ico";
    return ".bin";
}

}  // namespace launcher::template_tool
