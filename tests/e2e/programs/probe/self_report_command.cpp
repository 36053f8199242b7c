// probe report-self: stands in for a game. It records how it was started (command line, the
// arguments as a C runtime splits them, working folder, own path) to a file, since a program
// started by another one has no standard output anyone reads, and ends with a chosen exit code.

#include "subcommand.h"
#include "win_handles.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

namespace probe {
namespace {

constexpr OptionSpec kOptions[] = {{L"--out", true}, {L"--exit-code", true}};

struct LocalFreer {
    void operator()(void* memory) const noexcept { LocalFree(memory); }
};

JsonArray SplitCommandLine() {
    JsonArray words;
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    for (int i = 0; argv && i < count; ++i) words.Append(std::wstring_view(argv.get()[i]));
    return words;
}

std::wstring CurrentDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data());
    path.resize(length < path.size() ? length : 0);
    return path;
}

std::wstring ModulePath() {
    std::wstring path(32768, L'\0');  // the longest path Windows allows
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path;
}

int ReportSelf(const Options& options) {
    const std::optional<std::wstring> out = options.Value(L"--out");
    bool valid = true;
    const std::uint32_t exitCode = options.Unsigned(L"--exit-code", valid).value_or(0);
    if (!out || !valid) return ReportUsageError(L"report-self needs --out FILE, and --exit-code a number");

    JsonObject report;
    report.Text("command_line", std::wstring_view(GetCommandLineW()))
        .Array("argv", SplitCommandLine())
        .Text("cwd", CurrentDirectory())
        .Text("module", ModulePath())
        .Unsigned("pid", GetCurrentProcessId());
    const std::string json = report.Serialised() + "\n";

    const UniqueHandle file(
        CreateFileW(out->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file.get() == INVALID_HANDLE_VALUE ||
        !WriteFile(file.get(), json.data(), static_cast<DWORD>(json.size()), &written, nullptr)) {
        return ReportFailure("could not write the report file", GetLastError());
    }
    PrintLine(report);
    return static_cast<int>(exitCode);  // all 32 bits reach ExitProcess
}

}  // namespace

const Subcommand kReportSelfSubcommand = {
    L"report-self",
    L"--out FILE [--exit-code N] [-- ARGUMENTS...]   (writes its command line, arguments, working folder and "
    L"path to FILE as JSON, then exits with N)",
    kOptions,
    ReportSelf,
};

}  // namespace probe
