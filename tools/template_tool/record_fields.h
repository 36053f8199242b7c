#pragma once
// The description's names for the common fields of a window record and of a unit record,
// in stored order, for WindowDefinition/WindowRecord and UnitRecord alike. One list serves both
// directions (see json_fields.h).

namespace launcher::template_tool {

template <typename Io, typename Window>
void VisitWindowFields(Io& io, Window& w) {
    io.Hex("id", w.id);
    io.Hex("firstValue", w.firstValue);
    io.Hex("secondValue", w.secondValue);
    io.Text("name", w.name);
    io.Text("comment", w.comment);
}

// Everything of a unit record but its type-specific settings.
template <typename Io, typename Unit>
void VisitUnitFields(Io& io, Unit& u) {
    io.Hex("id", u.id);
    io.Hex("type", u.type);
    io.ZeroTerminatedText("name", u.name);
    io.ZeroTerminatedText("comment", u.comment);
    io.Rect("rect", u.rect);
    io.Hex("parent", u.parent);
    io.IdList("containedUnits", u.containedUnits);
    io.MousePointer("MousePointer", u.mousePointer);
    io.ZeroTerminatedText("Tag", u.tag);
    io.Number("unnamed", u.unnamed);
    io.UnitFlags("flags", u.flags);
    io.Number("TabOrder", u.tabOrder);
    io.Bindings("bindings", u.bindings);
}

}  // namespace launcher::template_tool
