#pragma once
// What each probe subcommand declares, and the conventions every one of them follows:
// one JSON object per line on standard output, and an exit status the harness can act on.

#include "json_writer.h"
#include "options.h"

#include <span>
#include <string_view>

namespace probe {

enum ExitStatus : int {
    kSucceeded = 0,
    kConditionNotMet = 1,  // not found, timed out, or a Win32 call failed; the JSON says which
    kUsageError = 2,
};

struct Subcommand {
    std::wstring_view name;
    std::wstring_view usage;  // the arguments after the name
    std::span<const OptionSpec> options;
    int (*run)(const Options& options);
};

// Prints {"error": message, "win32_error": code} and returns kConditionNotMet.
int ReportFailure(std::string_view message, unsigned long win32Error = 0);
// Prints {"error": "usage", "message": ...} and returns kUsageError.
int ReportUsageError(std::wstring_view message);

extern const Subcommand kRunSubcommand;
extern const Subcommand kWindowSubcommand;
extern const Subcommand kWaitGoneSubcommand;
extern const Subcommand kPostCloseSubcommand;
extern const Subcommand kDialogSubcommand;
extern const Subcommand kMetricsSubcommand;
extern const Subcommand kLocaleSubcommand;
extern const Subcommand kShowWindowSubcommand;
extern const Subcommand kShowMessageSubcommand;
extern const Subcommand kReportSelfSubcommand;
extern const Subcommand kFileIconSubcommand;

}  // namespace probe
