#include "actions/shell_services_win32.h"

#include <string>

namespace launcher {
namespace {

// Loaded from the system folder by full path, never from wherever the search order would look.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = ::GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
    if (length == 0 || length >= path.size()) return nullptr;
    path.resize(length);
    path += L'\\';
    path += name;
    return ::LoadLibraryW(path.c_str());
}

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& function) {
    // Through the generic function pointer type, which converts to any other without a warning.
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
    return function != nullptr;
}

}  // namespace

bool ShellServices::Load() {
    if (shellExecute_ != nullptr) return true;
    ole32_.Reset(LoadSystemLibrary(L"ole32.dll"));
    shell32_.Reset(LoadSystemLibrary(L"shell32.dll"));
    if (!ole32_ || !shell32_) return false;
    return Resolve(ole32_.Get(), "OleInitialize", oleInitialize_) &&
           Resolve(ole32_.Get(), "OleUninitialize", oleUninitialize_) &&
           Resolve(shell32_.Get(), "ShellExecuteW", shellExecute_);
}

void ShellServices::Open(HWND owner, const wchar_t* target) {
    if (!Load()) return;
    if (!oleInitialised_) oleInitialised_ = SUCCEEDED(oleInitialize_(nullptr));
    shellExecute_(owner, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

void ShellServices::Shutdown() {
    if (oleInitialised_) oleUninitialize_();
    oleInitialised_ = false;
    shellExecute_ = nullptr;
    shell32_.Reset();
    ole32_.Reset();
}

}  // namespace launcher
