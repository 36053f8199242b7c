// probe window / wait-gone / post-close: find a top-level window and report on it, wait for it to
// go, or ask it to close.

#include "subcommand.h"
#include "window_facts.h"
#include "window_query.h"

#include <cstdint>

namespace probe {
namespace {

// Every subcommand here finds its window with the query options (see WindowQueryFrom).
constexpr OptionSpec kWindowOptions[] = {
    {L"--title", true}, {L"--class", true}, {L"--pid", true}, {L"--visible", false}, {L"--wait", true}};
constexpr OptionSpec kWaitGoneOptions[] = {
    {L"--title", true}, {L"--class", true}, {L"--pid", true}, {L"--visible", false}, {L"--timeout", true}};
constexpr OptionSpec kPostCloseOptions[] = {
    {L"--title", true}, {L"--class", true}, {L"--pid", true}, {L"--visible", false}, {L"--wait", true}};

// The window the options name, waited for up to --wait; otherwise the exit code of the report
// already made (a usage error, or not found).
struct FoundWindow {
    HWND window = nullptr;
    int failure = kSucceeded;
};

FoundWindow FindNamedWindow(const Options& options) {
    std::wstring error;
    const std::optional<WindowQuery> query = WindowQueryFrom(options, error);
    if (!query) return {nullptr, ReportUsageError(error)};
    bool valid = true;
    const std::uint32_t wait = options.Unsigned(L"--wait", valid).value_or(0);
    if (!valid) return {nullptr, ReportUsageError(L"--wait takes milliseconds")};
    const HWND window = WaitForTopLevelWindow(*query, wait);
    if (window == nullptr) return {nullptr, ReportFailure("window not found")};
    return {window, kSucceeded};
}

int ReportWindow(const Options& options) {
    const FoundWindow found = FindNamedWindow(options);
    if (found.window == nullptr) return found.failure;
    PrintLine(DescribeWindow(found.window));
    return kSucceeded;
}

int WaitGone(const Options& options) {
    std::wstring error;
    const std::optional<WindowQuery> query = WindowQueryFrom(options, error);
    if (!query) return ReportUsageError(error);
    bool valid = true;
    const std::uint32_t timeout = options.Unsigned(L"--timeout", valid).value_or(5000);
    if (!valid) return ReportUsageError(L"--timeout takes milliseconds");

    const ULONGLONG start = GetTickCount64();
    const bool gone = WaitUntil(timeout, [&] { return FindTopLevelWindow(*query) == nullptr; });
    PrintLine(JsonObject().Boolean("gone", gone).Unsigned("elapsed_ms", GetTickCount64() - start));
    return gone ? kSucceeded : kConditionNotMet;
}

int PostClose(const Options& options) {
    const FoundWindow found = FindNamedWindow(options);
    if (found.window == nullptr) return found.failure;
    const HWND window = found.window;
    if (!PostMessageW(window, WM_CLOSE, 0, 0)) return ReportFailure("PostMessageW failed", GetLastError());
    PrintLine(JsonObject().Boolean("posted", true).Unsigned("hwnd", reinterpret_cast<std::uintptr_t>(window)));
    return kSucceeded;
}

}  // namespace

const Subcommand kWindowSubcommand = {
    L"window", L"--title T | --class C | --pid P [--visible] [--wait MS]", kWindowOptions, ReportWindow};
const Subcommand kWaitGoneSubcommand = {
    L"wait-gone", L"--title T | --class C | --pid P [--visible] [--timeout MS]", kWaitGoneOptions, WaitGone};
const Subcommand kPostCloseSubcommand = {
    L"post-close", L"--title T | --class C | --pid P [--visible] [--wait MS]", kPostCloseOptions, PostClose};

}  // namespace probe
