#include "bench_support_win32.h"

#include <shellapi.h>

#include <cmath>
#include <cstdio>

namespace bench {

double NowMs() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER now{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::vector<std::wstring> Arguments() {
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::wstring> args;
    for (int i = 1; i < count; ++i) args.emplace_back(words[i]);
    ::LocalFree(words);
    return args;
}

std::optional<std::wstring> OptionValue(const std::vector<std::wstring>& args, std::wstring_view name) {
    for (std::size_t i = 0; i + 1 < args.size() && args[i] != L"--"; ++i) {
        if (args[i] == name) return args[i + 1];
    }
    return std::nullopt;
}

std::vector<std::wstring> Positionals(const std::vector<std::wstring>& args) {
    std::vector<std::wstring> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--") return {args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end()};
        if (args[i].starts_with(L"--")) {
            ++i;  // every option of these programs takes a value
            continue;
        }
        words.push_back(args[i]);
    }
    return words;
}

int IntOption(const std::vector<std::wstring>& args, std::wstring_view name, int fallback) {
    const auto value = OptionValue(args, name);
    if (!value) return fallback;
    try {
        return std::stoi(*value);
    } catch (const std::exception&) {
        return fallback;
    }
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int needed = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
    return out;
}

std::optional<StartedProcess> StartProcess(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    const std::wstring folder = FolderOf(program);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &created)) {
        return std::nullopt;
    }
    ::CloseHandle(created.hThread);
    return StartedProcess{UniqueHandle(created.hProcess), created.dwProcessId};
}

namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !::IsWindowVisible(window) || ::GetWindow(window, GW_OWNER) != nullptr) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindMainWindow(DWORD processId, DWORD timeoutMs) {
    const double deadline = NowMs() + timeoutMs;
    for (;;) {
        WindowSearch search{processId, nullptr};
        ::EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr || NowMs() >= deadline) return search.found;
        ::Sleep(5);
    }
}

bool CloseAndWait(HWND window, HANDLE process, DWORD timeoutMs) {
    if (window != nullptr) ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0) return true;
    ::TerminateProcess(process, 1);
    ::WaitForSingleObject(process, 5000);
    return false;
}

void PumpMessagesFor(double durationMs) {
    const double deadline = NowMs() + durationMs;
    for (double now = NowMs(); now < deadline; now = NowMs()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::ceil(deadline - now)), QS_ALLINPUT);
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

JsonLine::~JsonLine() {
    std::printf("{%s}\n", text_.c_str());
    std::fflush(stdout);
}

void JsonLine::Key(std::string_view key) {
    if (!text_.empty()) text_ += ',';
    text_ += '"';
    text_ += key;
    text_ += "\":";
}

JsonLine& JsonLine::Number(std::string_view key, double value) {
    Key(key);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, std::isfinite(value) ? "%.3f" : "null", value);
    text_ += buffer;
    return *this;
}

JsonLine& JsonLine::Integer(std::string_view key, long long value) {
    Key(key);
    text_ += std::to_string(value);
    return *this;
}

JsonLine& JsonLine::Text(std::string_view key, std::wstring_view value) { return Text(key, Utf8(value)); }

JsonLine& JsonLine::Text(std::string_view key, std::string_view value) {
    Key(key);
    text_ += '"';
    for (const char c : value) {
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            text_ += escaped;
        } else {
            text_ += c;
        }
    }
    text_ += '"';
    return *this;
}

JsonLine& JsonLine::Flag(std::string_view key, bool value) {
    Key(key);
    text_ += value ? "true" : "false";
    return *this;
}

int Fail(std::string_view what) {
    const DWORD error = ::GetLastError();
    JsonLine().Text("error", what).Integer("win32_error", error);
    return 1;
}

}  // namespace bench
