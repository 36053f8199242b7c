// Fuzzes every reader of the window template's untrusted bytes. The first input byte picks the
// mode: even, the rest is a whole template, walked the way the launcher walks it; odd, the rest
// goes straight to each settings reader and to the icon readers.
// Beyond what the sanitizers catch, it checks that every byte view a reader returns lies inside
// the bytes it was given, and that whatever was read writes back to bytes that read the same.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "controls/picture_button_settings.h"
#include "controls/trans_label_settings.h"
#include "window/icon_file.h"
#include "window/window_layout.h"
#include "window/window_settings.h"
#include "window/window_template.h"
#include "window/window_template_writer.h"

namespace launcher {
namespace {

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "template_fuzzer: %s\n", what);
    std::abort();
}

void RequireInside(Bytes view, Bytes whole, const char* what) {
    if (view.empty()) return;
    const auto begin = reinterpret_cast<std::uintptr_t>(whole.data());
    const auto start = reinterpret_cast<std::uintptr_t>(view.data());
    Require(start >= begin && start - begin <= whole.size() && view.size() <= whole.size() - (start - begin), what);
}

// Reading what was written must succeed and write the same bytes again.
template <typename Settings, typename Write, typename Read>
void RequireStableRewrite(const Settings& settings, Write write, Read read, const char* what) {
    const std::vector<std::uint8_t> once = write(settings);
    const auto reread = read(once);
    Require(reread.has_value(), what);
    Require(write(*reread) == once, what);
}

void ExerciseIcon(Bytes file) {
    const auto entries = ReadIconFile(file);
    if (!entries) return;
    for (const auto& entry : *entries) RequireInside(entry.image, file, "icon image outside its file");
    for (const int width : {32, 16}) {
        const IconEntry* chosen = ChooseIconEntry(*entries, width);
        Require(chosen != nullptr, "a non-empty directory yields no entry");
        if (const auto size = IconImageSize(chosen->image)) {
            Require(size->width > 0 && size->height >= 0, "icon image of negative size");
        }
    }
}

void ExerciseSettings(Bytes block) {
    if (const auto window = ReadWindowSettings(block)) {
        RequireInside(window->backPicture, block, "BackPicture outside its block");
        RequireInside(window->icon, block, "Icon outside its block");
        RequireInside(window->backMusic, block, "BackMusic outside its block");
        RequireStableRewrite(*window, WriteWindowSettings, ReadWindowSettings, "window settings rewrite");
        FrameStyleFor(*window);
        ExerciseIcon(window->icon);
    }
    if (const auto button = ReadPictureButtonSettings(block)) {
        for (const Bytes picture :
             {button->normalPicture, button->hoverPicture, button->pressedPicture, button->disabledPicture}) {
            RequireInside(picture, block, "button picture outside its block");
        }
        RequireStableRewrite(*button, WritePictureButtonSettings, ReadPictureButtonSettings,
                             "picture button settings rewrite");
    }
    if (const auto label = ReadTransLabelSettings(block)) {
        RequireInside(label->labelFont, block, "label font outside its block");
        RequireStableRewrite(*label, WriteTransLabelSettings, ReadTransLabelSettings, "label settings rewrite");
    }
}

void ExerciseUnit(const UnitEntry& entry) {
    const auto unit = ReadUnitRecord(entry);
    if (!unit) return;
    RequireInside(unit->mousePointer, entry.record, "MousePointer outside its record");
    RequireInside(unit->settings, entry.record, "unit settings outside the record");
    const auto rewritten = WriteUnitRecord(*unit);
    const auto reread = ReadUnitRecord({entry.id, rewritten});
    Require(reread.has_value(), "unit record rewrite unreadable");
    Require(WriteUnitRecord(*reread) == rewritten, "unit record rewrite differs");
    ExerciseSettings(unit->settings);
}

void ExerciseTemplate(Bytes block) {
    const auto loaded = LoadWindowTemplate(block);
    if (!loaded) return;
    std::vector<WindowDefinition> definitions;
    for (const auto& window : loaded->windows) {
        Require(loaded->FindWindowRecord(window.id) != nullptr, "FindWindow misses a loaded window");
        WindowDefinition definition{window.id, window.firstValue, window.secondValue, window.name, window.comment, {}};
        for (const auto& entry : window.units) {
            RequireInside(entry.record, block, "unit record outside the template");
            Require(!IsMenuItemId(entry.id), "a menu item was kept");
            definition.units.push_back({entry.id, {entry.record.begin(), entry.record.end()}});
            ExerciseUnit(entry);
        }
        ReadUnits(window);
        definitions.push_back(std::move(definition));
    }
    // What was loaded writes back to a template that loads to the same windows and records.
    const auto rewritten = WriteWindowTemplate(definitions);
    const auto reloaded = LoadWindowTemplate(rewritten);
    Require(reloaded.has_value() && reloaded->windows.size() == loaded->windows.size(), "template rewrite");
    for (std::size_t w = 0; w < loaded->windows.size(); ++w) {
        const auto& before = loaded->windows[w];
        const auto& after = reloaded->windows[w];
        Require(after.id == before.id && after.name == before.name && after.comment == before.comment &&
                    after.firstValue == before.firstValue && after.secondValue == before.secondValue &&
                    after.units.size() == before.units.size(),
                "template rewrite changed a window");
        for (std::size_t u = 0; u < before.units.size(); ++u) {
            const Bytes a = before.units[u].record;
            const Bytes b = after.units[u].record;
            Require(after.units[u].id == before.units[u].id && std::equal(a.begin(), a.end(), b.begin(), b.end()),
                    "template rewrite changed a unit record");
        }
    }
}

}  // namespace
}  // namespace launcher

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const launcher::Bytes input(data + 1, size - 1);
    if ((data[0] & 1) == 0) {
        launcher::ExerciseTemplate(input);
    } else {
        launcher::ExerciseSettings(input);
        launcher::ExerciseIcon(input);
        launcher::IconImageSize(input);
        launcher::ExerciseUnit({0, input});
    }
    return 0;
}
