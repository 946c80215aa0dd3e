// The pending selection of a library and export for the next engine call.
#include "skin/library_selection.h"

#include <optional>

namespace urlpush {
namespace {

struct Selection {
    LoadedLibrary* library;
    Text exportName;
};

std::optional<Selection>& Pending() {
    static std::optional<Selection> pending;
    return pending;
}

}  // namespace

bool SelectLibrary(std::string_view library, std::string_view exportName) {
    Pending().reset();
    if (library.empty()) return true;
    const LibraryLoad load = LoadLibraryFile(library);
    if (load.library == nullptr) return false;
    if (FindExport(load.library, exportName) == nullptr) {
        if (load.loadedNow) ReleaseLibrary(load.library);
        return false;
    }
    Pending() = Selection{load.library, Text(exportName)};
    return true;
}

SelectedFunction TakeSelection() {
    std::optional<Selection> pending = std::move(Pending());
    Pending().reset();
    if (!pending) return {};
    return {pending->library, FindExport(pending->library, pending->exportName)};
}

}  // namespace urlpush
