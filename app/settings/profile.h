// Reading and writing one value of an INI file (Config.ini): the profile functions on
// Windows, our own reader and writer of the same format on Linux, where the file is UTF-8.
#pragma once

#include <string_view>

#include "text/text.h"

namespace urlpush {

// The value of `key` in `section` of `file`; empty when the file, the section or the key is
// missing. Characters with codes 1 to 32 at the start of the three names are skipped; if a
// name is then empty the result is empty and the disk is not touched. At most 10,239 bytes
// of the value are returned.
[[nodiscard]] Text ReadProfileText(std::string_view file, std::string_view section,
                                   std::string_view key);

// Sets `key` in `section` of `file` to `value` (an empty value keeps the key with nothing
// after "="), creating the file and the section when missing; every other line stays.
// Returns false when the file could not be written, and then the file is as it was.
[[nodiscard]] bool WriteProfileText(std::string_view file, std::string_view section,
                                    std::string_view key, std::string_view value);

// The longest value ReadProfileText returns: its buffer holds 10,240 bytes with the zero.
inline constexpr int kProfileValueLimit = 10239;

// `name` without the characters of codes 1 to 32 at its start.
[[nodiscard]] std::string_view SkipLeadingControls(std::string_view name);

}  // namespace urlpush
