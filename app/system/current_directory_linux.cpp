// The current directory on Linux. Paths are the program's GBK texts, UTF-8 on the system.
#include <unistd.h>

#include <climits>

#include "app/system/current_directory.h"
#include "text/encoding.h"

namespace urlpush {

Text CurrentDirectory() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? Utf8ToGbk(buffer) : Text();
}

bool MakeCurrentDirectory(std::string_view directory) {
    return ::chdir(GbkToUtf8(directory).c_str()) == 0;
}

}  // namespace urlpush
