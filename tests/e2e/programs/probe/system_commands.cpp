// probe metrics / locale: what the (virtual) desktop and the locale look like to a Windows program.

#include "subcommand.h"
#include "window_facts.h"

#include <windows.h>

namespace probe {
namespace {

int ReportMetrics(const Options&) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    PrintLine(ScreenMetrics().Object("desktop_rect", RectJson(desktop)));
    return kSucceeded;
}

std::wstring LocaleName(LCID locale) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const int length = LCIDToLocaleName(locale, name, LOCALE_NAME_MAX_LENGTH, 0);
    return std::wstring(name, length > 1 ? static_cast<std::size_t>(length - 1) : 0);
}

int ReportLocale(const Options&) {
    PrintLine(JsonObject()
                  .Text("user_locale", LocaleName(GetUserDefaultLCID()))
                  .Text("system_locale", LocaleName(GetSystemDefaultLCID()))
                  .Text("ui_language", LocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT)))
                  .Unsigned("ansi_code_page", GetACP())
                  .Unsigned("oem_code_page", GetOEMCP()));
    return kSucceeded;
}

}  // namespace

const Subcommand kMetricsSubcommand = {L"metrics", L"", {}, ReportMetrics};
const Subcommand kLocaleSubcommand = {L"locale", L"", {}, ReportLocale};

}  // namespace probe
