// Dynamic loading on Linux: dlopen, dlsym, dlclose; absolute names against getcwd.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>

#include "runtime/library_platform.h"

namespace urlpush::platform {

void* OpenLibrary(const Text& nameOrPath) {
    return dlopen(nameOrPath.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void CloseLibrary(void* handle) {
    if (handle != nullptr) dlclose(handle);
}

FunctionAddress LookUpExport(void* handle, const Text& name) {
    return reinterpret_cast<FunctionAddress>(dlsym(handle, name.c_str()));
}

Text AbsolutePath(std::string_view path) {
    if (!path.empty() && path.front() == '/') return Text(path);
    char directory[PATH_MAX];
    if (getcwd(directory, sizeof directory) == nullptr) return Text(path);
    return ConcatText(directory, "/", path);
}

}  // namespace urlpush::platform
