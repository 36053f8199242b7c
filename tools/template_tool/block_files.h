#pragma once
// Byte blocks (pictures, the icon, sounds, raw settings) live in files beside the description.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "json_node.h"
#include "window/byte_reader.h"

namespace launcher::template_tool {

// Loads the files a description names, relative to its folder, and keeps their bytes alive while
// the template is written: the settings structs only hold views.
class BlockFileReader {
public:
    explicit BlockFileReader(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // null stands for an empty block; a string names a file.
    Bytes Load(const JsonNode& fileName);
    // Keeps bytes made from the description itself (not from a file) alive like loaded ones.
    Bytes Keep(std::vector<std::uint8_t> bytes);

private:
    std::filesystem::path folder_;
    std::deque<std::vector<std::uint8_t>> kept_;
};

// Collects the files of a dump under names made from a stem and the extension the bytes' first
// bytes show, and writes them all at the end. What a unit stored can be taken back with
// RollBack(Mark()) when the unit turns out to need another form.
class BlockFileWriter {
public:
    // null for an empty block, else the file name the description refers to it by.
    Json Store(std::string_view stem, Bytes bytes);

    std::size_t Mark() const { return pending_.size(); }
    void RollBack(std::size_t mark);

    void WriteAll(const std::filesystem::path& folder) const;

private:
    struct PendingFile {
        std::string name;
        Bytes bytes;
    };
    std::vector<PendingFile> pending_;
    std::set<std::string, std::less<>> names_;
};

// ".jpg", ".ico" or ".bin", from the bytes' signature.
std::string_view ExtensionFor(Bytes bytes);

}  // namespace launcher::template_tool
