// The directories the skin steps look in, and their test stand-ins.
#include "skin/skin_places.h"

#include <utility>

#include "runtime/run_directory.h"
#include "skin/skin_files.h"

namespace urlpush {
namespace {

SkinPlaces& Places() {
    static SkinPlaces places;
    return places;
}

}  // namespace

SkinPlaces UseSkinPlaces(SkinPlaces places) { return std::exchange(Places(), std::move(places)); }

Text SkinRunDirectory() {
    return Places().runDirectory ? *Places().runDirectory : RunDirectory();
}

Text ReportedSystemDirectory() {
    return Places().systemDirectory ? *Places().systemDirectory : skin_files::SystemDirectory();
}

}  // namespace urlpush
