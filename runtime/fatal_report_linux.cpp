// A fatal stop reported on Linux: one line on standard error.
#include "runtime/fatal_report.h"
#include "runtime/fatal_stop.h"

namespace urlpush {

void ReportFatalByDefault(std::string_view title, std::string_view message) {
    ReportFatalToStandardError(title, message);
}

}  // namespace urlpush
