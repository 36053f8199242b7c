#pragma once
// A bounds-checked little-endian reader over an untrusted byte span.
// The error is sticky: after the first failed read every read yields zero/empty and the cursor
// stops, so a record can be read straight through and checked once at the end.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace launcher {

using Bytes = std::span<const std::uint8_t>;

class ByteReader {
public:
    explicit ByteReader(Bytes data) : data_(data) {}

    bool Ok() const { return ok_; }
    bool AtEnd() const { return ok_ && offset_ == data_.size(); }
    std::size_t Offset() const { return offset_; }
    std::size_t Remaining() const { return ok_ ? data_.size() - offset_ : 0; }

    std::uint32_t U32() {
        const Bytes b = Take(4);
        if (b.empty()) return 0;
        return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
               std::uint32_t{b[3]} << 24;
    }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

    // n bytes in place; fails (and yields empty) when fewer remain.
    Bytes Take(std::size_t n) {
        if (!ok_ || n > data_.size() - offset_) return Fail();
        const Bytes b = data_.subspan(offset_, n);
        offset_ += n;
        return b;
    }
    bool Skip(std::size_t n) { return Take(n).size() == n && ok_; }

    // u32 byte count, then that many bytes.
    Bytes ByteBlock() {
        const std::uint32_t n = U32();
        return Take(n);
    }
    // i32 length, then the bytes; a length of 0 or less means nothing follows.
    Bytes SignedLengthBlock() {
        const std::int32_t n = I32();
        if (n <= 0) return {};
        return Take(static_cast<std::size_t>(n));
    }
    std::string CountedText() { return AsString(ByteBlock()); }
    std::string ZeroTerminatedText() {
        if (!ok_) return {};
        for (std::size_t i = offset_; i < data_.size(); ++i) {
            if (data_[i] == 0) {
                std::string text = AsString(data_.subspan(offset_, i - offset_));
                offset_ = i + 1;
                return text;
            }
        }
        Fail();
        return {};
    }
    // The unread rest, in place.
    Bytes Rest() { return Take(Remaining()); }

    // Marks the read as failed, for checks that the caller makes on values it read.
    Bytes Fail() {
        ok_ = false;
        return {};
    }

    static std::string AsString(Bytes b) { return {b.begin(), b.end()}; }

private:
    Bytes data_;
    std::size_t offset_ = 0;
    bool ok_ = true;
};

}  // namespace launcher
