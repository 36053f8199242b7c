#include "json_fields.h"

#include "gbk_text.h"
#include "value_names.h"

namespace launcher::template_tool {
namespace {

constexpr std::size_t kPointerValueSize = 4;

}  // namespace

void JsonFieldReader::Version(std::string_view name, std::uint32_t& v, std::uint32_t newest) {
    const JsonNode node = object_.Field(name);
    v = node.U32();
    if (v > newest) node.Fail("the launcher reads versions up to " + std::to_string(newest));
}

void JsonFieldReader::ZeroTerminatedText(std::string_view name, std::string& gbk) {
    const JsonNode node = object_.Field(name);
    gbk = node.GbkText();
    if (gbk.find('\0') != std::string::npos) node.Fail("this text is stored zero-terminated and cannot hold U+0000");
}

void JsonFieldReader::Rect(std::string_view name, UnitRect& v) {
    JsonObject rect(object_.Field(name));
    v.left = rect.Field("left").I32();
    v.top = rect.Field("top").I32();
    v.width = rect.Field("width").I32();
    v.height = rect.Field("height").I32();
    rect.Finish();
}

void JsonFieldReader::IdList(std::string_view name, std::vector<std::uint32_t>& v) {
    v.clear();
    for (const auto& element : object_.Field(name).Elements()) v.push_back(element.U32());
}

void JsonFieldReader::UnitFlags(std::string_view name, std::uint32_t& v) {
    v = UnitFlagsFromJson(object_.Field(name));
}

void JsonFieldReader::Bindings(std::string_view name, std::vector<EventBinding>& v) {
    v.clear();
    for (const auto& element : object_.Field(name).Elements()) {
        JsonObject binding(element);
        v.push_back({binding.Field("event").I32(), HandlerFromJson(binding.Field("handler"))});
        binding.Finish();
    }
}

void JsonFieldReader::MousePointer(std::string_view name, Bytes& v) {
    const JsonNode node = object_.Field(name);
    if (node.IsNull() || node.IsString()) {
        v = files_.Load(node);
        return;
    }
    const std::uint32_t value = node.U32();
    v = files_.Keep({static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                     static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

void JsonFieldWriter::Hex(std::string_view name, std::uint32_t v) {
    Set(name, HexU32(v));
}

void JsonFieldWriter::Text(std::string_view name, const std::string& gbk) {
    auto utf8 = GbkToUtf8(gbk);
    if (!utf8) {
        ok_ = false;
        return;
    }
    Set(name, std::move(*utf8));
}

void JsonFieldWriter::Block(std::string_view name, Bytes v) {
    Set(name, files_.Store(fileStem_ + "-" + std::string(name), v));
}

void JsonFieldWriter::Rect(std::string_view name, const UnitRect& v) {
    Set(name, Json{{"left", v.left}, {"top", v.top}, {"width", v.width}, {"height", v.height}});
}

void JsonFieldWriter::IdList(std::string_view name, const std::vector<std::uint32_t>& v) {
    Json ids = Json::array();
    for (const auto id : v) ids.push_back(HexU32(id));
    Set(name, std::move(ids));
}

void JsonFieldWriter::UnitFlags(std::string_view name, std::uint32_t v) {
    Set(name, UnitFlagsToJson(v));
}

void JsonFieldWriter::Bindings(std::string_view name, const std::vector<EventBinding>& v) {
    Json bindings = Json::array();
    for (const auto& binding : v) {
        bindings.push_back(Json{{"event", binding.event}, {"handler", HandlerToJson(binding.handler)}});
    }
    Set(name, std::move(bindings));
}

void JsonFieldWriter::MousePointer(std::string_view name, Bytes v) {
    if (v.size() != kPointerValueSize) {
        Block(name, v);
        return;
    }
    ByteReader reader(v);
    Set(name, reader.U32());
}

}  // namespace launcher::template_tool
