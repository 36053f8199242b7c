#pragma once
// Small edits of a valid stored block, for tables of malformed inputs that differ from a good
// block in exactly one stored value.

#include <cstdint>
#include <functional>
#include <vector>

#include "window/byte_reader.h"

namespace launcher::test {

using Mutation = std::function<void(std::vector<std::uint8_t>&)>;

std::uint32_t U32At(Bytes bytes, std::size_t at);

Mutation SetU32(std::size_t at, std::uint32_t value);
Mutation AddToU32(std::size_t at, std::uint32_t delta);
Mutation TruncateTo(std::size_t size);

// Replaces the u32 count (or length) stored just before the first place where `marker` is
// stored, so a row can name a field by a value the fixture put behind it.
Mutation SetCountBefore(std::uint32_t marker, std::uint32_t count);

// The count that is one element more than the bytes from the marker's place to the end can hold.
std::uint32_t OneMoreThanFits(Bytes bytes, std::uint32_t marker, std::uint32_t elementSize);

// A heap copy of exactly the view's size, so a read one byte past its end is caught by ASan.
std::vector<std::uint8_t> ExactCopy(Bytes bytes);

}  // namespace launcher::test
