#include "stored_windows.h"

namespace launcher::template_tool {
namespace {

std::optional<std::vector<StoredUnit>> ReadUnitBlock(std::uint32_t unitCount, Bytes unitBlock) {
    // An id and an offset per unit; check the count before sizing anything from it.
    if (unitCount > unitBlock.size() / 8) return std::nullopt;
    ByteReader reader(unitBlock);
    std::vector<StoredUnit> units(unitCount);
    for (auto& unit : units) unit.id = reader.U32();
    std::vector<std::uint32_t> offsets(unitCount);
    for (auto& offset : offsets) offset = reader.U32();
    // Offsets count from the end of the offset list.
    const Bytes entries = reader.Rest();
    if (!reader.Ok()) return std::nullopt;
    for (std::uint32_t i = 0; i < unitCount; ++i) {
        if (offsets[i] > entries.size()) return std::nullopt;
        ByteReader entry(entries.subspan(offsets[i]));
        units[i].record = entry.ByteBlock();
        if (!entry.Ok()) return std::nullopt;
    }
    return units;
}

}  // namespace

std::optional<std::vector<StoredWindow>> ReadStoredWindows(Bytes block) {
    ByteReader reader(block);
    const Bytes index = reader.ByteBlock();
    if (!reader.Ok() || index.size() % 8 != 0) return std::nullopt;
    ByteReader indexReader(index);
    // Windows are added as they are read, so a large index over a short block fails early.
    std::vector<StoredWindow> windows;
    for (std::size_t i = 0; i < index.size() / 8; ++i) {
        StoredWindow& window = windows.emplace_back();
        window.id = indexReader.U32();
        window.firstValue = reader.U32();
        window.secondValue = reader.U32();
        window.name = reader.CountedText();
        window.comment = reader.CountedText();
        const std::uint32_t unitCount = reader.U32();
        const Bytes unitBlock = reader.ByteBlock();
        if (!reader.Ok()) return std::nullopt;
        auto units = ReadUnitBlock(unitCount, unitBlock);
        if (!units) return std::nullopt;
        window.units = std::move(*units);
    }
    return windows;
}

}  // namespace launcher::template_tool
