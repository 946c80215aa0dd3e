// The four skin steps that start-up and shutdown call. Until the skin module exists each
// is a no-op standing in its place; the skin module replaces this file's bodies.
#pragma once

namespace urlpush {

// Writes the carried skin library beside the program and settles which file to load.
inline void InstallSkinLibrary() {}  // no-op until the skin module exists
// Loads the skin library and hands it the carried skin; the outcome is not looked at.
inline void AttachCarriedSkin(int /*first*/, int /*second*/, int /*third*/) {}  // no-op
// Detaches the skin and tries to delete the written library.
inline void DetachSkin() {}  // no-op until the skin module exists
// The exit step that releases the chosen library path.
inline void ReleaseSkinLibraryPath() {}  // no-op until the skin module exists

}  // namespace urlpush
