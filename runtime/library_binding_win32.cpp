// Dynamic loading on Windows: LoadLibraryA, GetProcAddress, FreeLibrary, GetFullPathNameA.
#include <windows.h>

#include "runtime/library_platform.h"

namespace urlpush::platform {

void* OpenLibrary(const Text& nameOrPath) {
    return reinterpret_cast<void*>(LoadLibraryA(nameOrPath.c_str()));
}

void CloseLibrary(void* handle) {
    if (handle != nullptr) FreeLibrary(static_cast<HMODULE>(handle));
}

FunctionAddress LookUpExport(void* handle, const Text& name) {
    return reinterpret_cast<FunctionAddress>(
        GetProcAddress(static_cast<HMODULE>(handle), name.c_str()));
}

Text AbsolutePath(std::string_view path) {
    const Text relative(path);
    Text absolute(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetFullPathNameA(relative.c_str(), static_cast<DWORD>(absolute.size()),
                                              absolute.data(), nullptr);
        if (length == 0) return relative;
        if (length < absolute.size()) return absolute.substr(0, length);
        absolute.resize(length);  // the length needed, terminator included
    }
}

}  // namespace urlpush::platform
