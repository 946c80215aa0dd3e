// A fatal stop reported on Linux: one line on standard error.
#include <cstdio>

#include "runtime/fatal_report.h"

namespace urlpush {

void ReportFatalByDefault(std::string_view title, std::string_view message) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                 static_cast<int>(message.size()), message.data());
}

}  // namespace urlpush
