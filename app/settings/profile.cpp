// The platform-independent part of the profile functions.
#include "app/settings/profile.h"

namespace urlpush {

std::string_view SkipLeadingControls(std::string_view name) {
    while (!name.empty() && name.front() >= 1 && name.front() <= 32) name.remove_prefix(1);
    return name;
}

}  // namespace urlpush
