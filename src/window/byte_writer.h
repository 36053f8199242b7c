#pragma once
// Appends little-endian fields in the template's forms; the counterpart of ByteReader.

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "window/byte_reader.h"

namespace launcher {

class ByteWriter {
public:
    void U32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void Raw(Bytes b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
    void Zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    void ByteBlock(Bytes b) {
        U32(Checked32(b.size()));
        Raw(b);
    }
    // i32 length then the bytes; an empty block is written as length 0.
    void SignedLengthBlock(Bytes b) {
        I32(static_cast<std::int32_t>(Checked32(b.size()) & 0x7FFFFFFF));
        Raw(b);
    }
    void CountedText(std::string_view text) { ByteBlock(AsBytes(text)); }
    void ZeroTerminatedText(std::string_view text) {
        if (text.find('\0') != std::string_view::npos) {
            throw std::invalid_argument("a zero-terminated text cannot hold a zero byte");
        }
        Raw(AsBytes(text));
        bytes_.push_back(0);
    }

    const std::vector<std::uint8_t>& Data() const { return bytes_; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

    static Bytes AsBytes(std::string_view text) {
        return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
    }

private:
    static std::uint32_t Checked32(std::size_t n) {
        if (n > 0x7FFFFFFF) throw std::length_error("a block larger than 2 GiB cannot be stored");
        return static_cast<std::uint32_t>(n);
    }

    std::vector<std::uint8_t> bytes_;
};

}  // namespace launcher
