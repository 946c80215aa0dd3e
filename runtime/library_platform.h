// The platform's dynamic loading calls, as the binding rules use them. Implemented by
// library_binding_linux.cpp and library_binding_win32.cpp.
#pragma once

#include <string_view>

#include "runtime/library_binding.h"

namespace urlpush::platform {

// A loaded library's system handle, or nullptr when the file could not be loaded.
[[nodiscard]] void* OpenLibrary(const Text& nameOrPath);
void CloseLibrary(void* handle);
[[nodiscard]] FunctionAddress LookUpExport(void* handle, const Text& name);
// `path` made absolute against the current directory.
[[nodiscard]] Text AbsolutePath(std::string_view path);

}  // namespace urlpush::platform
