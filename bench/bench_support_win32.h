#pragma once
// What the Windows benchmark programs share: one clock for every process, owned handles,
// starting a program, finding its window, and reports as one JSON object per line.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace bench {

struct KernelHandleCloser {
    void operator()(HANDLE handle) const noexcept { ::CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { ::DeleteObject(object); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

struct MemoryDcDeleter {
    void operator()(HDC dc) const noexcept { ::DeleteDC(dc); }
};
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

struct WindowDestroyer {
    void operator()(HWND window) const noexcept { ::DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// SelectObject for a scope: the DC gets its previous object back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~ScopedSelect() { ::SelectObject(dc_, previous_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Milliseconds on the QueryPerformanceCounter clock. Every process of the machine reads the
// same counter, so times taken in different processes compare directly.
double NowMs();

// The program's arguments without its own name.
std::vector<std::wstring> Arguments();

// The value after `name` in args ("--rounds 5"), if there is one.
std::optional<std::wstring> OptionValue(const std::vector<std::wstring>& args, std::wstring_view name);
// The words after "--", or else the arguments that are neither options nor their values.
std::vector<std::wstring> Positionals(const std::vector<std::wstring>& args);
int IntOption(const std::vector<std::wstring>& args, std::wstring_view name, int fallback);

std::wstring FolderOf(const std::wstring& path);
std::string Utf8(std::wstring_view text);

struct StartedProcess {
    UniqueHandle process;
    DWORD id = 0;
};

// Starts `program` (quoted as the whole command line, plus `arguments`) in its own folder.
// Nothing on failure; GetLastError tells why.
std::optional<StartedProcess> StartProcess(const std::wstring& program, const std::wstring& arguments = {});

// The process's visible unowned top-level window, waiting up to timeoutMs for it.
HWND FindMainWindow(DWORD processId, DWORD timeoutMs);

// Asks the window to close and waits for its process to end; after timeoutMs the process is
// ended by force and the answer is false.
bool CloseAndWait(HWND window, HANDLE process, DWORD timeoutMs);

// Handles this thread's messages for durationMs, so windows of the calling program stay painted.
void PumpMessagesFor(double durationMs);

// A JSON object printed on standard output as one line when it goes out of scope.
class JsonLine {
public:
    JsonLine() = default;
    ~JsonLine();
    JsonLine(const JsonLine&) = delete;
    JsonLine& operator=(const JsonLine&) = delete;

    JsonLine& Number(std::string_view key, double value);
    JsonLine& Integer(std::string_view key, long long value);
    JsonLine& Text(std::string_view key, std::wstring_view value);
    JsonLine& Text(std::string_view key, std::string_view value);
    JsonLine& Flag(std::string_view key, bool value);

private:
    void Key(std::string_view key);
    std::string text_;
};

// Reports a failure as {"error": what, "win32_error": GetLastError()} and answers the exit code 1.
int Fail(std::string_view what);

}  // namespace bench
