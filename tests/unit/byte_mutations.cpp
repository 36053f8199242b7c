#include "byte_mutations.h"

#include <algorithm>
#include <stdexcept>

namespace launcher::test {
namespace {

std::size_t MarkerAt(Bytes bytes, std::uint32_t marker) {
    const std::uint8_t pattern[4] = {static_cast<std::uint8_t>(marker), static_cast<std::uint8_t>(marker >> 8),
                                     static_cast<std::uint8_t>(marker >> 16),
                                     static_cast<std::uint8_t>(marker >> 24)};
    const auto found = std::search(bytes.begin(), bytes.end(), std::begin(pattern), std::end(pattern));
    if (found == bytes.end() || found - bytes.begin() < 4) throw std::logic_error("fixture lacks its marker");
    return static_cast<std::size_t>(found - bytes.begin());
}

void StoreU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::uint32_t U32At(Bytes bytes, std::size_t at) {
    ByteReader reader(bytes.subspan(at));
    return reader.U32();
}

Mutation SetU32(std::size_t at, std::uint32_t value) {
    return [=](std::vector<std::uint8_t>& bytes) { StoreU32(bytes, at, value); };
}

Mutation AddToU32(std::size_t at, std::uint32_t delta) {
    return [=](std::vector<std::uint8_t>& bytes) { StoreU32(bytes, at, U32At(bytes, at) + delta); };
}

Mutation TruncateTo(std::size_t size) {
    return [=](std::vector<std::uint8_t>& bytes) { bytes.resize(size); };
}

Mutation SetCountBefore(std::uint32_t marker, std::uint32_t count) {
    return [=](std::vector<std::uint8_t>& bytes) { StoreU32(bytes, MarkerAt(bytes, marker) - 4, count); };
}

std::uint32_t OneMoreThanFits(Bytes bytes, std::uint32_t marker, std::uint32_t elementSize) {
    return static_cast<std::uint32_t>((bytes.size() - MarkerAt(bytes, marker)) / elementSize + 1);
}

std::vector<std::uint8_t> ExactCopy(Bytes bytes) {
    return {bytes.begin(), bytes.end()};
}

}  // namespace launcher::test
