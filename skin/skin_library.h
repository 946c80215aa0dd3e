// The skin steps of start-up and shutdown: writing the carried engine library beside the
// program, choosing the library file to load, attaching the carried skin when the window
// exists and detaching it when the window goes.
#pragma once

#include <string_view>

#include "text/text.h"

namespace urlpush {

// The full name of the library file the attach is taken from; settled at start-up.
[[nodiscard]] const Text& SkinLibraryPath();

// Writes the carried engine library to jedata.dll in the current directory (failures are
// silent) and settles SkinLibraryPath from that name.
void InstallSkinLibrary();

// Sets SkinLibraryPath to the trimmed `givenPath` when that exists; otherwise to a copy of
// SkinH_EL.dll, the system directory's winning over the run directory's; when none exists
// the trimmed given path stays.
void ResolveSkinLibraryPath(std::string_view givenPath);

// The system directory, ending in a separator.
[[nodiscard]] Text SystemDirectoryPath();

// Attaches the carried skin with an empty text and the three integers; the outcome is not
// looked at.
void AttachCarriedSkin(int first, int second, int third);

// Hands `skin` (the bytes themselves, not a copy) to SkinH_AttachRes of the library at
// SkinLibraryPath. False when that library is missing, cannot be loaded or lacks the
// export (nothing is called then), or when the engine refused the skin.
[[nodiscard]] bool AttachSkinData(std::string_view skin, std::string_view text, int first,
                                  int second, int third);

// True when the file at SkinLibraryPath exists, loads and exports `exportName`; the next
// engine call then goes to that export of that file.
[[nodiscard]] bool SelectSkinLibrary(std::string_view exportName);

// Calls SkinH_Detach of the library the attach went to (nothing when no attach was made),
// then tries to delete jedata.dll in the current directory; a loaded library's file may
// refuse, which is ignored. A library without SkinH_Detach is a fatal stop (exit code -1).
void DetachSkin();

// The exit step that lets go of SkinLibraryPath.
void ReleaseSkinLibraryPath();

}  // namespace urlpush
