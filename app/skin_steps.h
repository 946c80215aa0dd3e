// The four skin steps that start-up and shutdown call: InstallSkinLibrary,
// AttachCarriedSkin, DetachSkin and ReleaseSkinLibraryPath, from the skin module.
#pragma once

#include "skin/skin_library.h"
