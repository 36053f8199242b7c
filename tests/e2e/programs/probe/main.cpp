// probe: reports facts about Windows programs and windows through the Win32 API, for the
// end-to-end tests that run under Wine. Usage: probe SUBCOMMAND [OPTIONS]; see PrintUsage.

#include "subcommand.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <span>
#include <string>

namespace probe {
namespace {

constexpr std::array kSubcommands = {
    &kRunSubcommand,     &kWindowSubcommand, &kWaitGoneSubcommand,   &kPostCloseSubcommand,   &kDialogSubcommand,
    &kMetricsSubcommand, &kLocaleSubcommand, &kShowWindowSubcommand, &kShowMessageSubcommand, &kReportSelfSubcommand,
    &kFileIconSubcommand,
};

void PrintUsage() {
    std::wstring text = L"usage: probe SUBCOMMAND [OPTIONS]\n";
    for (const Subcommand* subcommand : kSubcommands) {
        text += L"  probe ";
        text += subcommand->name;
        text += L' ';
        text += subcommand->usage;
        text += L'\n';
    }
    const std::string utf8 = Utf8FromWide(text);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

int Dispatch(std::span<const wchar_t* const> words) {
    if (words.empty()) {
        PrintUsage();
        return ReportUsageError(L"no subcommand");
    }
    const std::wstring_view name = words.front();
    for (const Subcommand* subcommand : kSubcommands) {
        if (subcommand->name != name) continue;
        std::wstring error;
        const std::optional<Options> options = Options::Parse(words.subspan(1), subcommand->options, error);
        if (!options) return ReportUsageError(error);
        return subcommand->run(*options);
    }
    PrintUsage();
    return ReportUsageError(L"unknown subcommand: " + std::wstring(name));
}

}  // namespace

int ReportFailure(std::string_view message, unsigned long win32Error) {
    JsonObject report;
    report.Text("error", message);
    if (win32Error != 0) report.Unsigned("win32_error", win32Error);
    PrintLine(report);
    return kConditionNotMet;
}

int ReportUsageError(std::wstring_view message) {
    PrintLine(JsonObject().Text("error", "usage").Text("message", message));
    return kUsageError;
}

}  // namespace probe

int wmain(int argc, wchar_t** argv) {
    if (argc < 1) return probe::kUsageError;
    return probe::Dispatch(std::span<const wchar_t* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
}
