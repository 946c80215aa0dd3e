// The fatal stop and its default reporter.
#include "runtime/fatal_stop.h"

#include <cstdio>
#include <cstdlib>

#include "runtime/fatal_report.h"

namespace urlpush {
namespace {

// The platform's own report: standard error on Linux, an error message box on Windows.
FatalReporter g_reporter = ReportFatalByDefault;

}  // namespace

void ReportFatalToStandardError(std::string_view title, std::string_view message) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(message.size()), message.data());
}

FatalReporter SetFatalReporter(FatalReporter reporter) {
    FatalReporter previous = g_reporter;
    g_reporter = reporter ? reporter : ReportFatalByDefault;
    return previous;
}

void FatalStop(std::string_view title, std::string_view message, int exitCode) {
    g_reporter(title, message);
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

}  // namespace urlpush
