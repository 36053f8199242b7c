// probe dialog: reads a dialog box (a message box above all) by its caption, and can press one of
// its buttons the way a click would, through WM_COMMAND.

#include "subcommand.h"
#include "window_facts.h"
#include "window_query.h"

#include <windows.h>

#include <cstdint>

namespace probe {
namespace {

constexpr OptionSpec kOptions[] = {{L"--title", true}, {L"--wait", true}, {L"--press-ok", false}, {L"--press", true}};
constexpr std::wstring_view kDialogClass = L"#32770";
constexpr int kMessageBoxTextId = 0xFFFF;  // the static control that holds a message box's text
bool IsPushButton(HWND control) {
    if (lstrcmpiW(ClassNameOf(control).c_str(), L"Button") != 0) return false;
    const auto type = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool ShowsIcon(HWND control) {
    if (lstrcmpiW(ClassNameOf(control).c_str(), L"Static") != 0) return false;
    if ((static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)) & SS_TYPEMASK) != SS_ICON) return false;
    DWORD_PTR icon = 0;
    return SendMessageTimeoutW(control, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &icon) && icon != 0;
}

struct DialogContents {
    JsonArray buttons;
    bool icon = false;
};

DialogContents ReadContents(HWND dialog) {
    DialogContents contents;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        contents.icon = contents.icon || ShowsIcon(child);
        if (!IsPushButton(child)) continue;
        const auto type = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)) & BS_TYPEMASK;
        contents.buttons.Append(JsonObject()
                                    .Number("id", GetDlgCtrlID(child))
                                    .Text("text", WindowText(child))
                                    .Boolean("default", type == BS_DEFPUSHBUTTON)
                                    .Boolean("enabled", IsWindowEnabled(child) != FALSE));
    }
    return contents;
}

int ReportDialog(const Options& options) {
    const std::optional<std::wstring> caption = options.Value(L"--title");
    if (!caption) return ReportUsageError(L"dialog needs --title");
    bool valid = true;
    const std::uint32_t wait = options.Unsigned(L"--wait", valid).value_or(0);
    std::optional<std::uint32_t> press = options.Unsigned(L"--press", valid);
    if (!valid) return ReportUsageError(L"--wait takes milliseconds and --press a control id");
    if (options.Has(L"--press-ok")) press = IDOK;

    const HWND dialog = WaitForTopLevelWindow(WindowQuery{caption, std::wstring(kDialogClass), std::nullopt, true}, wait);
    if (dialog == nullptr) return ReportFailure("dialog not found");

    const DialogContents contents = ReadContents(dialog);
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    RECT windowRect{};
    GetWindowRect(dialog, &windowRect);
    JsonObject report;
    report.Unsigned("hwnd", reinterpret_cast<std::uintptr_t>(dialog))
        .Unsigned("pid", processId)
        .Text("caption", CaptionOf(dialog))
        .Text("text", WindowText(GetDlgItem(dialog, kMessageBoxTextId)))
        .Array("buttons", contents.buttons)
        .Boolean("icon", contents.icon)
        .Unsigned("owner", reinterpret_cast<std::uintptr_t>(GetWindow(dialog, GW_OWNER)))
        .Boolean("foreground", GetForegroundWindow() == dialog)
        .Object("window_rect", RectJson(windowRect));

    if (press) {
        const int id = static_cast<int>(*press);
        const HWND button = GetDlgItem(dialog, id);
        if (button == nullptr) return ReportFailure("the dialog has no control with that id");
        // What a click on the button ends in; unlike BM_CLICK it does not depend on the dialog being active.
        if (!PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button))) {
            return ReportFailure("PostMessageW failed", GetLastError());
        }
        report.Number("pressed", id);
    } else {
        report.Null("pressed");
    }
    PrintLine(report);
    return kSucceeded;
}

}  // namespace

const Subcommand kDialogSubcommand = {
    L"dialog", L"--title T [--wait MS] [--press-ok | --press CONTROL_ID]", kOptions, ReportDialog};

}  // namespace probe
