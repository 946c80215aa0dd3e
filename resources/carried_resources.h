// What the program carries inside itself: the skin engine library image (the engine
// build's output) and the skin, compiled in as constant bytes at build time.
#pragma once

#include <string_view>

namespace urlpush {

// The engine library image written out as jedata.dll.
[[nodiscard]] std::string_view CarriedSkinLibrary();
// The skin handed to the engine's attach.
[[nodiscard]] std::string_view CarriedSkin();

}  // namespace urlpush
