#include "file_bytes.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include "tool_error.h"

namespace launcher::template_tool {
namespace {

[[noreturn]] void FailOn(const std::filesystem::path& path, std::string_view doing) {
    const int error = errno;
    throw ToolError("cannot " + std::string(doing) + " " + path.string() + ": " +
                    (error != 0 ? std::strerror(error) : "I/O error"));
}

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) FailOn(path, "read");
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) FailOn(path, "read");
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, Bytes bytes) {
    std::filesystem::path temporary = path;
    temporary += ".partial";
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) FailOn(temporary, "write");
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) FailOn(temporary, "write");
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        const std::string reason = error.message();
        std::filesystem::remove(temporary, error);
        throw ToolError("cannot write " + path.string() + ": " + reason);
    }
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view text) {
    WriteFileAtomically(path, Bytes{reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

}  // namespace launcher::template_tool
