// Memory that cannot be obtained ends the launcher through the fatal-error box, naming the
// request's size, instead of an exception nobody is there to catch.

#include <cstdlib>
#include <new>

#include "shell/fatal_error_text.h"
#include "shell/launcher_shell_win32.h"

namespace {

// Set while the box for a failed request is being built, so a second failure cannot recurse.
thread_local bool t_reportingOutOfMemory = false;

[[noreturn]] void OutOfMemory(std::size_t size) {
    if (!t_reportingOutOfMemory) {
        t_reportingOutOfMemory = true;
        launcher::FatalError(launcher::OutOfMemoryMessage(size), 0);
    }
    std::_Exit(-1);
}

void* Allocate(std::size_t size) {
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    OutOfMemory(size);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size == 0 ? 1 : size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size == 0 ? 1 : size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
