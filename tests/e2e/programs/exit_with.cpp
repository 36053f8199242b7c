// exit_with CODE: ends at once with the given exit code, anything from -2147483648 to 4294967295,
// so tests can check that all 32 bits of an exit code reach them.

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace {

constexpr UINT kUsageExitCode = 0xBAD0BAD0;

bool ParseExitCode(std::wstring_view text, UINT& code) {
    const bool negative = !text.empty() && text.front() == L'-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 10) return false;
    std::int64_t magnitude = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        magnitude = magnitude * 10 + (c - L'0');
    }
    if (negative ? magnitude > 0x80000000LL : magnitude > 0xFFFFFFFFLL) return false;
    code = static_cast<UINT>(negative ? -magnitude : magnitude);  // two's complement, as Windows reads it
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    UINT code = kUsageExitCode;
    if (argc != 2 || !ParseExitCode(argv[1], code)) code = kUsageExitCode;
    // ExitProcess rather than a return, so no C runtime step can narrow the value.
    ExitProcess(code);
}
