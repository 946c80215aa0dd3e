// RunDirectory's portable part: cutting a program path before its last separator.
#include "runtime/run_directory.h"

namespace urlpush {

Text ProgramPath();  // run_directory_linux.cpp / run_directory_win32.cpp

Text DirectoryOf(std::string_view programPath, std::string_view separator) {
    const int last = FindTextReverse(programPath, separator);
    return last == -1 ? Text(programPath) : TextLeft(programPath, last - 1);
}

const Text& RunDirectory() {
    static const Text directory = DirectoryOf(ProgramPath(), PathSeparator());
    return directory;
}

}  // namespace urlpush
