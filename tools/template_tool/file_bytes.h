#pragma once
// Whole-file reads and writes for the tool. Writes go through a temporary file and a rename, so a
// failed run never leaves a half-written output that a build would take as up to date.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "window/byte_reader.h"

namespace launcher::template_tool {

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);
void WriteFileAtomically(const std::filesystem::path& path, Bytes bytes);
void WriteFileAtomically(const std::filesystem::path& path, std::string_view text);

}  // namespace launcher::template_tool
