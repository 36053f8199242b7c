#include "window/window_template_writer.h"

#include "window/byte_writer.h"

namespace launcher {
namespace {

constexpr std::size_t kReservedBytes = 20;

std::uint32_t Count(std::size_t n) {
    if (n > 0x7FFFFFFF) throw std::invalid_argument("too many elements");
    return static_cast<std::uint32_t>(n);
}

std::vector<std::uint8_t> WriteUnitBlock(const std::vector<UnitDefinition>& units) {
    ByteWriter entries;
    std::vector<std::uint32_t> offsets;
    for (const auto& unit : units) {
        offsets.push_back(Count(entries.Data().size()));
        entries.ByteBlock(unit.record);
    }
    ByteWriter block;
    for (const auto& unit : units) block.U32(unit.id);
    for (const auto offset : offsets) block.U32(offset);
    block.Raw(entries.Data());
    return block.Take();
}

}  // namespace

std::vector<std::uint8_t> WriteUnitRecord(const UnitRecord& unit) {
    ByteWriter w;
    w.U32(unit.type);
    w.Zeros(kReservedBytes);
    w.ZeroTerminatedText(unit.name);
    w.ZeroTerminatedText(unit.comment);
    w.U32(0);  // object slot
    w.I32(unit.rect.left);
    w.I32(unit.rect.top);
    w.I32(unit.rect.width);
    w.I32(unit.rect.height);
    w.U32(0);  // pointer slot
    w.U32(unit.parent);
    w.U32(Count(unit.containedUnits.size()));
    for (const auto id : unit.containedUnits) w.U32(id);
    w.ByteBlock(unit.mousePointer);
    w.ZeroTerminatedText(unit.tag);
    w.U32(unit.unnamed);
    w.U32(unit.flags);
    w.I32(unit.tabOrder);
    w.U32(Count(unit.bindings.size()));
    for (const auto& binding : unit.bindings) {
        w.I32(binding.event);
        w.U32(binding.handler);
    }
    w.Zeros(kReservedBytes);
    w.Raw(unit.settings);
    return w.Take();
}

std::vector<std::uint8_t> WriteWindowTemplate(std::span<const WindowDefinition> windows) {
    ByteWriter index;
    for (const auto& window : windows) index.U32(window.id);
    for (std::size_t i = 0; i < windows.size(); ++i) index.U32(0);  // slots, filled at load time

    ByteWriter w;
    w.ByteBlock(index.Data());
    for (const auto& window : windows) {
        w.U32(window.firstValue);
        w.U32(window.secondValue);
        w.CountedText(window.name);
        w.CountedText(window.comment);
        w.U32(Count(window.units.size()));
        w.ByteBlock(WriteUnitBlock(window.units));
    }
    return w.Take();
}

}  // namespace launcher
