// The program's own path on Linux, from /proc/self/exe.
#include <unistd.h>

#include <climits>

#include "runtime/run_directory.h"

namespace urlpush {

Text ProgramPath() {
    Text path(PATH_MAX, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    return length > 0 ? path.substr(0, static_cast<std::size_t>(length)) : Text();
}

std::string_view PathSeparator() { return "/"; }

}  // namespace urlpush
