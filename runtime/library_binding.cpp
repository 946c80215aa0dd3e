// The binding rules: order of candidates, reuse of loaded libraries, release at process
// end, and the fatal stop for a function that cannot be bound.
#include "runtime/library_binding.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "runtime/fatal_stop.h"
#include "runtime/library_platform.h"
#include "runtime/run_directory.h"

namespace urlpush {

struct LoadedLibrary {
    Text name;  // the absolute name, or the bare name given to the system's search
    void* handle = nullptr;

    LoadedLibrary(Text n, void* h) : name(std::move(n)), handle(h) {}
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    ~LoadedLibrary() { platform::CloseLibrary(handle); }
};

namespace {

// Every library loaded at run time; the list's destruction at process end releases them.
std::vector<std::unique_ptr<LoadedLibrary>>& Loaded() {
    static std::vector<std::unique_ptr<LoadedLibrary>> loaded;
    return loaded;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FindText(a, b, 1, true) == 1;
}

LoadedLibrary* FindByName(std::string_view name) {
    for (const auto& library : Loaded()) {
        if (SameName(library->name, name)) return library.get();
    }
    return nullptr;
}

// Loads `name` unless a library of that name is held; a system handle that is already held
// (the same file reached by another name) gives back the extra reference.
LibraryLoad Load(Text name, const Text& toOpen) {
    if (LoadedLibrary* known = FindByName(name)) return {known, false};
    void* handle = platform::OpenLibrary(toOpen);
    if (handle == nullptr) return {};
    for (const auto& library : Loaded()) {
        if (library->handle == handle) {
            platform::CloseLibrary(handle);
            return {library.get(), false};
        }
    }
    Loaded().push_back(std::make_unique<LoadedLibrary>(std::move(name), handle));
    return {Loaded().back().get(), true};
}

}  // namespace

LibraryLoad LoadLibraryFile(std::string_view path) {
    Text absolute = platform::AbsolutePath(path);
    const Text toOpen = absolute;
    return Load(std::move(absolute), toOpen);
}

LibraryLoad LoadLibraryBySearch(std::string_view name) {
    const Text toOpen(name);
    return Load(Text(name), toOpen);
}

void ReleaseLibrary(LoadedLibrary* library) {
    auto& loaded = Loaded();
    auto it = std::find_if(loaded.begin(), loaded.end(),
                           [library](const auto& held) { return held.get() == library; });
    if (it != loaded.end()) loaded.erase(it);
}

FunctionAddress FindExport(LoadedLibrary* library, std::string_view name) {
    if (library == nullptr) return nullptr;
    return platform::LookUpExport(library->handle, Text(name));
}

FunctionAddress BindFunction(std::string_view library, std::string_view function) {
    LibraryLoad load = LoadLibraryFile(ConcatText(RunDirectory(), PathSeparator(), library));
    if (load.library == nullptr) load = LoadLibraryBySearch(library);
    if (FunctionAddress address = FindExport(load.library, function)) return address;
    if (load.loadedNow) ReleaseLibrary(load.library);
    // "错误" / "<library> 中找不到函数 <function>"
    FatalStop("\xB4\xED\xCE\xF3",
              ConcatText(library, " \xD6\xD0\xD5\xD2\xB2\xBB\xB5\xBD\xBA\xAF\xCA\xFD ", function),
              -1);
}

}  // namespace urlpush
