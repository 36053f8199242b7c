#include "template_summary.h"

#include "describe_bytes.h"

namespace launcher::test {

std::string SummariseUnit(const UnitRecord& unit) {
    std::string out = "unit " + Hex32(unit.id) + " type " + Hex32(unit.type) + " name " + Quoted(unit.name);
    if (!unit.comment.empty()) out += " comment " + Quoted(unit.comment);
    out += " rect " + std::to_string(unit.rect.left) + "," + std::to_string(unit.rect.top) + "," +
           std::to_string(unit.rect.width) + "," + std::to_string(unit.rect.height);
    if (unit.parent != 0) out += " parent " + Hex32(unit.parent);
    if (!unit.containedUnits.empty()) {
        out += " contains";
        for (const auto id : unit.containedUnits) out += " " + Hex32(id);
    }
    out += " pointer " + HexBytes(unit.mousePointer);
    if (!unit.tag.empty()) out += " tag " + Quoted(unit.tag);
    if (unit.unnamed != 0) out += " unnamed " + std::to_string(unit.unnamed);
    out += " flags " + std::to_string(unit.flags);
    if (unit.tabOrder != 0) out += " tab " + std::to_string(unit.tabOrder);
    for (const auto& binding : unit.bindings) {
        out += " on " + std::to_string(binding.event) + ">" + std::to_string(binding.handler);
    }
    out += " settings " + HexBytes(unit.settings);
    return out;
}

std::string SummariseTemplate(const WindowTemplate& windowTemplate) {
    std::string out;
    for (const auto& window : windowTemplate.windows) {
        out += "window " + Hex32(window.id) + " values " + Hex32(window.firstValue) + "," +
               Hex32(window.secondValue);
        if (!window.name.empty()) out += " name " + Quoted(window.name);
        if (!window.comment.empty()) out += " comment " + Quoted(window.comment);
        out += "\n";
        const auto units = ReadUnits(window);
        if (!units) {
            out += " units unreadable\n";
            continue;
        }
        for (const auto& unit : *units) out += " " + SummariseUnit(unit) + "\n";
    }
    return out;
}

}  // namespace launcher::test
