// The file system as the skin steps use it; skin_files_linux.cpp and skin_files_win32.cpp.
#pragma once

#include <string_view>

#include "text/text.h"

namespace urlpush::skin_files {

// The process's current directory, or "" when it cannot be read.
[[nodiscard]] Text CurrentDirectory();
// The system directory as the system reports it ("/usr/lib/" on Linux).
[[nodiscard]] Text SystemDirectory();
// True when a directory search for `name` finds an entry; "" never exists.
[[nodiscard]] bool NameExists(const Text& name);
// Makes `bytes` the whole content of `path`. Windows writes in place with no sharing, so a
// file that a running copy has loaded refuses; Linux writes a new file beside it and
// renames it over, so a running copy keeps the file it mapped.
[[nodiscard]] bool WriteLibraryImage(const Text& path, std::string_view bytes);
[[nodiscard]] bool DeleteFileNamed(const Text& path);

}  // namespace urlpush::skin_files
