#include "window/window_template.h"

namespace launcher {
namespace {

constexpr std::size_t kReservedBytes = 20;

// Reads a u32 count of elements of elementSize bytes, refusing counts the remaining bytes cannot
// hold, so no vector is ever sized from an unchecked value.
std::uint32_t ReadCount(ByteReader& reader, std::size_t elementSize) {
    const std::uint32_t count = reader.U32();
    if (count > reader.Remaining() / elementSize) reader.Fail();
    return reader.Ok() ? count : 0;
}

std::optional<std::vector<UnitEntry>> LocateUnits(std::uint32_t unitCount, Bytes unitBlock, MenuItems menuItems) {
    ByteReader reader(unitBlock);
    // Ids and offsets take 8 bytes per unit; check before sizing anything.
    if (unitCount > unitBlock.size() / 8) return std::nullopt;
    std::vector<std::uint32_t> ids(unitCount);
    for (auto& id : ids) id = reader.U32();
    std::vector<std::uint32_t> offsets(unitCount);
    for (auto& offset : offsets) offset = reader.U32();
    // Offsets count from the end of the offset list.
    const Bytes entries = reader.Rest();
    if (!reader.Ok()) return std::nullopt;

    std::vector<UnitEntry> units;
    units.reserve(unitCount);
    for (std::uint32_t i = 0; i < unitCount; ++i) {
        if (offsets[i] > entries.size()) return std::nullopt;
        ByteReader entry(entries.subspan(offsets[i]));
        const Bytes record = entry.ByteBlock();
        if (!entry.Ok()) return std::nullopt;
        if (menuItems == MenuItems::Skip && IsMenuItemId(ids[i])) continue;
        units.push_back({ids[i], record});
    }
    return units;
}

std::optional<WindowRecord> ReadWindowRecord(ByteReader& reader, std::uint32_t id, MenuItems menuItems) {
    WindowRecord window;
    window.id = id;
    window.firstValue = reader.U32();
    window.secondValue = reader.U32();
    window.name = reader.CountedText();
    window.comment = reader.CountedText();
    const std::uint32_t unitCount = reader.U32();
    const Bytes unitBlock = reader.ByteBlock();
    if (!reader.Ok()) return std::nullopt;
    auto units = LocateUnits(unitCount, unitBlock, menuItems);
    if (!units) return std::nullopt;
    window.units = std::move(*units);
    return window;
}

}  // namespace

const WindowRecord* WindowTemplate::FindWindowRecord(std::uint32_t id) const {
    for (const auto& window : windows) {
        if (window.id == id) return &window;
    }
    return nullptr;
}

std::optional<WindowTemplate> LoadWindowTemplate(Bytes block, MenuItems menuItems) {
    ByteReader reader(block);
    // The index holds one id and one slot per window; the slots' stored values mean nothing.
    const Bytes index = reader.ByteBlock();
    if (!reader.Ok() || index.size() % 8 != 0) return std::nullopt;
    const std::size_t windowCount = index.size() / 8;

    ByteReader indexReader(index);
    // Windows are added as they are read, so a large index over a short block fails early.
    WindowTemplate result;
    for (std::size_t i = 0; i < windowCount; ++i) {
        auto window = ReadWindowRecord(reader, indexReader.U32(), menuItems);
        if (!window) return std::nullopt;
        result.windows.push_back(std::move(*window));
    }
    return result;
}

std::optional<UnitRecord> ReadUnitRecord(const UnitEntry& entry) {
    ByteReader reader(entry.record);
    UnitRecord unit;
    unit.id = entry.id;
    unit.type = reader.U32();
    reader.Skip(kReservedBytes);
    unit.name = reader.ZeroTerminatedText();
    unit.comment = reader.ZeroTerminatedText();
    reader.U32();  // object slot: refers to the built control at run time
    unit.rect.left = reader.I32();
    unit.rect.top = reader.I32();
    unit.rect.width = reader.I32();
    unit.rect.height = reader.I32();
    reader.U32();  // pointer slot: holds the loaded mouse pointer at run time
    unit.parent = reader.U32();
    const std::uint32_t containedCount = ReadCount(reader, 4);
    unit.containedUnits.resize(containedCount);
    for (auto& contained : unit.containedUnits) contained = reader.U32();
    unit.mousePointer = reader.ByteBlock();
    unit.tag = reader.ZeroTerminatedText();
    unit.unnamed = reader.U32();
    unit.flags = reader.U32();
    unit.tabOrder = reader.I32();
    const std::uint32_t bindingCount = ReadCount(reader, 8);
    unit.bindings.resize(bindingCount);
    for (auto& binding : unit.bindings) {
        binding.event = reader.I32();
        binding.handler = reader.U32();
    }
    reader.Skip(kReservedBytes);
    unit.settings = reader.Rest();
    if (!reader.Ok()) return std::nullopt;
    return unit;
}

std::optional<std::vector<UnitRecord>> ReadUnits(const WindowRecord& window) {
    std::vector<UnitRecord> units;
    units.reserve(window.units.size());
    for (const auto& entry : window.units) {
        auto unit = ReadUnitRecord(entry);
        if (!unit) return std::nullopt;
        units.push_back(std::move(*unit));
    }
    return units;
}

}  // namespace launcher
