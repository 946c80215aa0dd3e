// The fatal stop and its default reporter.
#include "runtime/fatal_stop.h"

#include <cstdio>
#include <cstdlib>

namespace urlpush {
namespace {

void ReportToStandardError(std::string_view title, std::string_view message) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(message.size()), message.data());
}

FatalReporter g_reporter = ReportToStandardError;

}  // namespace

FatalReporter SetFatalReporter(FatalReporter reporter) {
    FatalReporter previous = g_reporter;
    g_reporter = reporter ? reporter : ReportToStandardError;
    return previous;
}

void FatalStop(std::string_view title, std::string_view message, int exitCode) {
    g_reporter(title, message);
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

}  // namespace urlpush
