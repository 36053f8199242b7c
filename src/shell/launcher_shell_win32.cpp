#include "shell/launcher_shell_win32.h"

#include <windows.h>

#include <memory>
#include <optional>

#include "actions/launch_actions_win32.h"
#include "actions/shell_services_win32.h"
#include "resources/embedded_template.h"
#include "shell/executable_path.h"
#include "shell/fatal_error_text.h"
#include "shell/message_loop_win32.h"
#include "window/event_sink.h"
#include "window/events.h"
#include "window/launcher_window_win32.h"
#include "window/win32_handles.h"

namespace launcher {
namespace {

constexpr std::uint32_t kStartupWindowId = 0x52010001;
constexpr UINT kFatalExitCode = 0xFFFFFFFF;  // -1

// A class of its own for the hidden owner: a system class such as "STATIC" would resolve to the
// common controls' version under the manifest and load them at every start, for nothing.
HWND CreateHiddenOwner() {
    constexpr wchar_t kClassName[] = L"VaskoranHiddenOwner";
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    if (::RegisterClassExW(&wc) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    return ::CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

// The executable's full path, however long it is.
std::wstring ExecutableFullPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // cut short: try again with room to spare
    }
}

class LauncherShell final : public EventSink {
public:
    int Run();
    [[noreturn]] void End(UINT exitCode);
    [[noreturn]] void Fail(std::wstring_view message, std::int32_t code);
    const std::wstring& RunDirectory() const { return path_.runDirectory; }
    std::optional<bool> Raise(std::uint32_t unitId, std::int32_t event, const EventArgs& args) override;

private:
    bool AnyWindowOpen() const { return window_ && window_->IsOpen(); }
    bool LoadWindow(std::uint32_t id);
    void OnWindowDestroyed();
    void ReleaseStartupResources();

    ShellServices shellServices_;  // OLE and the shell, loaded when the studio page is first opened
    ExecutablePath path_;
    UniqueWindow hiddenOwner_;
    std::optional<WindowTemplate> template_;
    EventBindings bindings_;
    std::unique_ptr<LauncherWindow> window_;
    bool quitArmed_ = false;
};

// The one shell of this process; only the GUI thread touches it.
LauncherShell* g_shell = nullptr;

int LauncherShell::Run() {
    path_ = SplitExecutablePath(ExecutableFullPath());
    // A failure leaves the current directory as the process was started with.
    ::SetCurrentDirectoryW(path_.runDirectory.c_str());

    // Owner for windows that must stay out of the taskbar: never shown, zero size.
    hiddenOwner_.Reset(CreateHiddenOwner());

    template_ = LoadWindowTemplate(EmbeddedTemplate());
    if (!template_) Fail(kTemplateUnreadableMessage, 0);
    bindings_ = EventBindings::Resolve(*template_);
    if (!LoadWindow(kStartupWindowId)) Fail(kStartupWindowFailedMessage, 0);

    quitArmed_ = true;
    int exitCode = 0;
    if (AnyWindowOpen()) exitCode = RunMessageLoop();
    ReleaseStartupResources();
    return exitCode;
}

bool LauncherShell::LoadWindow(std::uint32_t id) {
    const WindowRecord* record = template_->FindWindowRecord(id);
    if (record == nullptr) return false;
    if (window_ && window_->IsOpen() && window_->Id() == id) {
        window_->BringToFront();
        return true;
    }
    WindowLoadOptions options;
    options.hiddenOwner = hiddenOwner_.Get();
    options.onDestroyed = [this] { OnWindowDestroyed(); };
    options.events = this;
    window_ = LauncherWindow::Build(*record, std::move(options));
    return window_ != nullptr;
}

std::optional<bool> LauncherShell::Raise(std::uint32_t unitId, std::int32_t event, const EventArgs&) {
    // Neither action takes the event's arguments or answers anything.
    switch (bindings_.Find(unitId, event)) {
    case Action::StartGame: StartGame(); break;  // StartGame ends the process
    case Action::OpenStudioPage: OpenStudioPage(shellServices_); break;
    case Action::None: break;
    }
    return std::nullopt;
}

void LauncherShell::OnWindowDestroyed() {
    if (quitArmed_ && !AnyWindowOpen()) ::PostQuitMessage(0);
}

void LauncherShell::ReleaseStartupResources() {
    window_.reset();
    template_.reset();
    hiddenOwner_.Reset();
    shellServices_.Shutdown();  // the OLE services end last
}

void LauncherShell::End(UINT exitCode) {
    quitArmed_ = false;  // the quit rule plays no part here
    if (window_) window_->Destroy();
    ReleaseStartupResources();
    ::ExitProcess(exitCode);
}

void LauncherShell::Fail(std::wstring_view message, std::int32_t code) {
    const std::wstring text = FatalErrorText(message, code);
    ::MessageBoxW(nullptr, text.c_str(), std::wstring(kFatalErrorCaption).c_str(), MB_ICONHAND | MB_OK);
    quitArmed_ = false;
    ReleaseStartupResources();
    ::ExitProcess(kFatalExitCode);
}

}  // namespace

int RunLauncher() {
    LauncherShell shell;
    g_shell = &shell;
    const int exitCode = shell.Run();
    g_shell = nullptr;
    return exitCode;
}

std::wstring GetRunDirectory() { return g_shell != nullptr ? g_shell->RunDirectory() : std::wstring(); }

void EndLauncher(std::uint32_t exitCode) {
    if (g_shell != nullptr) g_shell->End(exitCode);
    ::ExitProcess(exitCode);
}

void FatalError(std::wstring_view message, std::int32_t code) {
    if (g_shell != nullptr) g_shell->Fail(message, code);
    const std::wstring text = FatalErrorText(message, code);
    ::MessageBoxW(nullptr, text.c_str(), std::wstring(kFatalErrorCaption).c_str(), MB_ICONHAND | MB_OK);
    ::ExitProcess(kFatalExitCode);
}

}  // namespace launcher
