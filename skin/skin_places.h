// Where the skin steps look for files: the current, run and system directories as the
// system reports them, with stand-ins a test can put in their place.
#pragma once

#include <optional>

#include "text/text.h"

namespace urlpush {

// Stand-ins for the run directory and the system directory as reported (before a
// separator is added); std::nullopt means the real one.
struct SkinPlaces {
    std::optional<Text> runDirectory;
    std::optional<Text> systemDirectory;
};

// Puts `places` in use and returns the ones it replaces.
SkinPlaces UseSkinPlaces(SkinPlaces places);

[[nodiscard]] Text SkinRunDirectory();
[[nodiscard]] Text ReportedSystemDirectory();  // the stand-in, or the system's answer

}  // namespace urlpush
