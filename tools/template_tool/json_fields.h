#pragma once
// Field adapters that let one field list drive both packing (description to values) and dumping
// (values to description), so the two directions can never disagree on names or forms.
// A field list is a template over the adapter: io.Hex("id", unit.id); io.Flag("Movable", s.movable); ...

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "block_files.h"
#include "json_node.h"
#include "window/window_template.h"

namespace launcher::template_tool {

// Description to values: every field is required; texts become GBK, files become bytes.
class JsonFieldReader {
public:
    JsonFieldReader(JsonObject& object, BlockFileReader& files) : object_(object), files_(files) {}

    void Number(std::string_view name, std::uint32_t& v) { v = object_.Field(name).U32(); }
    void Number(std::string_view name, std::int32_t& v) { v = object_.Field(name).I32(); }
    void Hex(std::string_view name, std::uint32_t& v) { v = object_.Field(name).U32(); }
    // A format version the launcher can read: up to newest.
    void Version(std::string_view name, std::uint32_t& v, std::uint32_t newest);
    void Flag(std::string_view name, bool& v) { v = object_.Field(name).Flag(); }
    void Text(std::string_view name, std::string& gbk) { gbk = object_.Field(name).GbkText(); }
    void ZeroTerminatedText(std::string_view name, std::string& gbk);
    void Block(std::string_view name, Bytes& v) { v = files_.Load(object_.Field(name)); }
    void Rect(std::string_view name, UnitRect& v);
    void IdList(std::string_view name, std::vector<std::uint32_t>& v);
    void UnitFlags(std::string_view name, std::uint32_t& v);
    void Bindings(std::string_view name, std::vector<EventBinding>& v);
    // A number for the usual 4-byte value, null for none, or a file name for anything else.
    void MousePointer(std::string_view name, Bytes& v);

private:
    JsonObject& object_;
    BlockFileReader& files_;
};

// Values to description: texts become UTF-8, blocks become files named "<stem>-<field>".
// Ok() turns false when a text is not valid GBK; the caller then keeps the bytes in another form.
class JsonFieldWriter {
public:
    JsonFieldWriter(Json& object, BlockFileWriter& files, std::string fileStem)
        : object_(object), files_(files), fileStem_(std::move(fileStem)) {}

    bool Ok() const { return ok_; }

    void Number(std::string_view name, std::uint32_t v) { Set(name, v); }
    void Number(std::string_view name, std::int32_t v) { Set(name, v); }
    void Hex(std::string_view name, std::uint32_t v);
    void Version(std::string_view name, std::uint32_t v, std::uint32_t /*newest*/) { Set(name, v); }
    void Flag(std::string_view name, bool v) { Set(name, v ? 1 : 0); }
    void Text(std::string_view name, const std::string& gbk);
    void ZeroTerminatedText(std::string_view name, const std::string& gbk) { Text(name, gbk); }
    void Block(std::string_view name, Bytes v);
    void Rect(std::string_view name, const UnitRect& v);
    void IdList(std::string_view name, const std::vector<std::uint32_t>& v);
    void UnitFlags(std::string_view name, std::uint32_t v);
    void Bindings(std::string_view name, const std::vector<EventBinding>& v);
    void MousePointer(std::string_view name, Bytes v);

private:
    void Set(std::string_view name, Json value) { object_[std::string(name)] = std::move(value); }

    Json& object_;
    BlockFileWriter& files_;
    std::string fileStem_;
    bool ok_ = true;
};

}  // namespace launcher::template_tool
