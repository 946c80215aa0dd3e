// The current directory on Windows, through the ANSI functions like every path here.
#include <windows.h>

#include <string>

#include "app/system/current_directory.h"

namespace urlpush {

Text CurrentDirectory() {
    char buffer[260];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return length == 0 || length >= sizeof buffer ? Text() : Text(buffer, length);
}

bool MakeCurrentDirectory(std::string_view directory) {
    return SetCurrentDirectoryA(std::string(directory).c_str()) != 0;
}

}  // namespace urlpush
