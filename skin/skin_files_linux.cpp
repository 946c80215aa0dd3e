// The skin steps' file system on Linux. The library image goes to a new file in the same
// directory that is then renamed over jedata.dll: a running copy that has the old file
// mapped keeps its pages, where rewriting the file in place would change its code.
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "runtime/whole_file.h"
#include "skin/skin_files.h"

namespace urlpush::skin_files {

Text CurrentDirectory() {
    char directory[PATH_MAX];
    return getcwd(directory, sizeof directory) != nullptr ? Text(directory) : Text();
}

Text SystemDirectory() { return "/usr/lib/"; }

bool NameExists(const Text& name) {
    struct stat entry;
    return !name.empty() && lstat(name.c_str(), &entry) == 0;
}

bool WriteLibraryImage(const Text& path, std::string_view bytes) {
    return ReplaceWholeFile(path, bytes, 0777);
}

bool DeleteFileNamed(const Text& path) { return unlink(path.c_str()) == 0; }

}  // namespace urlpush::skin_files
