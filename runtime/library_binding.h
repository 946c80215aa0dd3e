// Functions of libraries loaded at run time, bound by library name and function name on
// first use. Loaded libraries are held, one load each, until the process ends.
#pragma once

#include <string_view>
#include <utility>

#include "text/text.h"

namespace urlpush {

// The address of an exported function, to be cast to its real pointer type.
using FunctionAddress = void (*)();

// A library held by the process-wide list of loaded libraries; the list owns it.
struct LoadedLibrary;

// The result of a load: the library (nullptr when it could not be loaded) and whether this
// very load brought it in, as opposed to reusing one loaded earlier.
struct LibraryLoad {
    LoadedLibrary* library = nullptr;
    bool loadedNow = false;
};

// Loads the library file `path`, made absolute against the current directory. A library
// loaded earlier under the same absolute name, compared without regard to letter case, is
// reused instead of being loaded again.
[[nodiscard]] LibraryLoad LoadLibraryFile(std::string_view path);

// Loads the library `name` through the system's standard library search, reusing one
// already loaded (by the same name, or the same library reached another way).
[[nodiscard]] LibraryLoad LoadLibraryBySearch(std::string_view name);

// Releases a library at once and drops it from the list; for a load whose purpose failed.
void ReleaseLibrary(LoadedLibrary* library);

// The export `name` of `library`, or nullptr.
[[nodiscard]] FunctionAddress FindExport(LoadedLibrary* library, std::string_view name);

// Binds `function` of `library`: the run directory's copy of the library first, then the
// system's search; only the first library that loads is asked for the export. A library
// that loads nowhere, or lacks the export, is a fatal stop (exit code -1) whose report
// names both.
[[nodiscard]] FunctionAddress BindFunction(std::string_view library, std::string_view function);

// A function of a run-time library, bound on its first call and held from then on.
// FunctionPointer carries the calling convention, e.g. BOOL(WINAPI*)(void*).
//   constinit BoundFunction<int (*)(int)> twice{"helper.dll", "Twice"};
//   twice(21);
template <typename FunctionPointer>
class BoundFunction {
  public:
    constexpr BoundFunction(const char* library, const char* function)
        : library_(library), function_(function) {}
    BoundFunction(const BoundFunction&) = delete;
    BoundFunction& operator=(const BoundFunction&) = delete;

    [[nodiscard]] FunctionPointer Get() {
        if (bound_ == nullptr) {
            bound_ = reinterpret_cast<FunctionPointer>(BindFunction(library_, function_));
        }
        return bound_;
    }

    template <typename... Args>
    decltype(auto) operator()(Args&&... args) {
        return Get()(std::forward<Args>(args)...);
    }

  private:
    const char* library_;
    const char* function_;
    FunctionPointer bound_ = nullptr;
};

}  // namespace urlpush
