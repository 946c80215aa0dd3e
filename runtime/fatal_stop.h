// The program's fatal stop: a report, then the end of the process with a given exit code.
// The report goes through a replaceable reporter, so tests can catch it and the Windows
// program can show it in a message box.
#pragma once

#include <string_view>

namespace urlpush {

// Receives the report of a fatal stop. A reporter may throw (tests do, to catch the stop);
// when it returns, the process ends.
using FatalReporter = void (*)(std::string_view title, std::string_view message);

// Installs `reporter` (nullptr restores the default: standard error on Linux, an error
// message box on Windows) and returns the one it replaces.
FatalReporter SetFatalReporter(FatalReporter reporter);

// "title: message" as one line on standard error. The Linux default; death tests install it
// on Windows too, where the default message box would wait for a click that never comes.
void ReportFatalToStandardError(std::string_view title, std::string_view message);

// Reports and ends the process at once with `exitCode`; no exit step runs.
[[noreturn]] void FatalStop(std::string_view title, std::string_view message, int exitCode);

}  // namespace urlpush
