// The pending selection: the library and export the next engine call goes to, whatever
// library that call's own binding names. It is used by one call and then forgotten.
#pragma once

#include <string_view>

#include "runtime/library_binding.h"

namespace urlpush {

// Drops any pending selection; then, for a non-empty `library`, loads that file (reusing
// one loaded under the same absolute name) and holds it with `exportName` as the pending
// selection. False when the file cannot be loaded or lacks the export; a library loaded by
// this very request is released again. An empty `library` only clears, and succeeds.
[[nodiscard]] bool SelectLibrary(std::string_view library, std::string_view exportName);

struct SelectedFunction {
    LoadedLibrary* library = nullptr;
    FunctionAddress address = nullptr;
};

// The pending selection's export looked up afresh, and the selection consumed; empty
// when nothing is pending.
[[nodiscard]] SelectedFunction TakeSelection();

}  // namespace urlpush
