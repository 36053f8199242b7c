// probe run: starts a program with CreateProcessW and reports its full 32-bit exit code, which
// wine64's own exit status cuts to 8 bits.

#include "subcommand.h"
#include "win_handles.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace probe {
namespace {

constexpr OptionSpec kOptions[] = {{L"--timeout", true}, {L"--cwd", true}};
constexpr UINT kTimedOutExitCode = 0xDEAD;

// Quotes one argument so that CommandLineToArgvW and the C runtime split it back unchanged:
// backslashes are literal except in front of a quote, where they must be doubled.
std::wstring QuotedArgument(std::wstring_view argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring_view::npos) {
        return std::wstring(argument);
    }
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        out += c;
        backslashes = 0;
    }
    out.append(backslashes * 2, L'\\');  // the closing quote follows them
    out += L'"';
    return out;
}

std::wstring CommandLineFrom(const std::vector<std::wstring>& words) {
    std::wstring commandLine;
    for (const std::wstring& word : words) {
        if (!commandLine.empty()) commandLine += L' ';
        commandLine += QuotedArgument(word);
    }
    return commandLine;
}

std::int64_t MicrosecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
}

JsonObject Timing(JsonObject report, std::int64_t elapsedMicroseconds) {
    return report.Number("elapsed_ms", elapsedMicroseconds / 1000).Number("elapsed_us", elapsedMicroseconds);
}

int Run(const Options& options) {
    bool valid = true;
    const std::optional<std::uint32_t> timeout = options.Unsigned(L"--timeout", valid);
    if (!valid) return ReportUsageError(L"--timeout takes milliseconds");
    if (options.Rest().empty()) return ReportUsageError(L"run needs -- PROGRAM [ARGUMENTS...]");
    std::wstring commandLine = CommandLineFrom(options.Rest());
    const std::optional<std::wstring> workingDirectory = options.Value(L"--cwd");

    // The child writes to our standard error, so standard output carries nothing but reports.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdError = startup.hStdOutput;
    for (const HANDLE handle : {startup.hStdInput, startup.hStdOutput}) {
        SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);  // absent handles just fail
    }

    PROCESS_INFORMATION created{};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        workingDirectory ? workingDirectory->c_str() : nullptr, &startup, &created)) {
        return ReportFailure("CreateProcessW failed", GetLastError());
    }
    const UniqueHandle process(created.hProcess);
    const UniqueHandle thread(created.hThread);
    PrintLine(JsonObject().Text("event", "started").Unsigned("pid", created.dwProcessId));

    if (WaitForSingleObject(process.get(), timeout.value_or(INFINITE)) == WAIT_TIMEOUT) {
        const std::int64_t elapsed = MicrosecondsSince(start);
        TerminateProcess(process.get(), kTimedOutExitCode);
        WaitForSingleObject(process.get(), 5000);
        PrintLine(Timing(JsonObject().Text("event", "timed_out").Unsigned("pid", created.dwProcessId), elapsed));
        return kConditionNotMet;
    }
    const std::int64_t elapsed = MicrosecondsSince(start);
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(process.get(), &exitCode)) return ReportFailure("GetExitCodeProcess failed", GetLastError());
    PrintLine(Timing(JsonObject()
                         .Text("event", "exited")
                         .Unsigned("pid", created.dwProcessId)
                         .Unsigned("exit_code", exitCode)
                         .Number("exit_code_signed", static_cast<std::int32_t>(exitCode)),
                     elapsed));
    return kSucceeded;
}

}  // namespace

const Subcommand kRunSubcommand = {
    L"run",
    L"[--timeout MS] [--cwd DIR] -- PROGRAM [ARGUMENTS...]   (prints a \"started\" line, then \"exited\" or "
    L"\"timed_out\"; the program's output goes to standard error)",
    kOptions,
    Run,
};

}  // namespace probe
