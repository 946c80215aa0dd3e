// The program's own path on Windows, from GetModuleFileNameA.
#include <windows.h>

#include "runtime/run_directory.h"

namespace urlpush {

Text ProgramPath() {
    Text path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return path.substr(0, length);
        path.resize(path.size() * 2);  // cut short: ask again with a larger buffer
    }
}

std::string_view PathSeparator() { return "\\"; }

}  // namespace urlpush
