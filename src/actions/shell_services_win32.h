#pragma once
// The shell's "open" operation and the OLE services it needs for the GUI thread, loaded at their
// first use rather than at start: loading ole32 and shell32 (with what they pull in) made up
// most of what the launcher's start cost beyond a bare window.

#include <windows.h>

#include "window/win32_handles.h"

namespace launcher {

struct ModuleTraits {
    static void Close(HMODULE h) { ::FreeLibrary(h); }
};
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;

class ShellServices {
public:
    ShellServices() = default;
    ~ShellServices() { Shutdown(); }
    ShellServices(const ShellServices&) = delete;
    ShellServices& operator=(const ShellServices&) = delete;

    // Initialises OLE for this thread once, then hands target to the shell's "open" operation.
    // What the shell answers is not reported: nothing is shown either way.
    void Open(HWND owner, const wchar_t* target);

    // Ends the OLE services, if they were started, and unloads the libraries.
    void Shutdown();

private:
    bool Load();

    UniqueModule ole32_;
    UniqueModule shell32_;
    HRESULT(WINAPI* oleInitialize_)(LPVOID) = nullptr;
    void(WINAPI* oleUninitialize_)() = nullptr;
    HINSTANCE(WINAPI* shellExecute_)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT) = nullptr;
    bool oleInitialised_ = false;
};

}  // namespace launcher
