// The process's current directory: read, and set once at start-up to the run directory.
#pragma once

#include <string_view>

#include "text/text.h"

namespace urlpush {

// The current directory as the platform reports it (no trailing separator except at a
// root such as "C:\" or "/"); empty when it cannot be read (Windows reads it into 260 bytes).
[[nodiscard]] Text CurrentDirectory();

// Makes `directory` the current directory; false when the platform refuses.
[[nodiscard]] bool MakeCurrentDirectory(std::string_view directory);

}  // namespace urlpush
