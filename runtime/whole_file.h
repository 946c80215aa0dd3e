// Whole-file reading and replacing on Linux, for the settings file and the written skin
// library. A replace writes a new file beside the old one and renames it over it, so a
// crash never leaves half a file, and a process that has the old file open or mapped keeps
// the old bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace urlpush {

// The file's bytes; "" for a missing file, nothing when it exists but cannot be read.
[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces `path` with `content`, or leaves it as it was and returns false. An existing
// file keeps its permissions; a new one gets `newFileMode` less the umask.
[[nodiscard]] bool ReplaceWholeFile(const std::string& path, std::string_view content,
                                    unsigned newFileMode);

}  // namespace urlpush
