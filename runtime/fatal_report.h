// The platform's default report of a fatal stop.
#pragma once

#include <string_view>

namespace urlpush {

void ReportFatalByDefault(std::string_view title, std::string_view message);

}  // namespace urlpush
