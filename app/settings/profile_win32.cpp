// The profile functions on Windows: the system's own GetPrivateProfileStringA and
// WritePrivateProfileStringA.
#include <windows.h>

#include <string>

#include "app/settings/profile.h"

namespace urlpush {

Text ReadProfileText(std::string_view file, std::string_view section, std::string_view key) {
    const std::string f(SkipLeadingControls(file));
    const std::string s(SkipLeadingControls(section));
    const std::string k(SkipLeadingControls(key));
    if (f.empty() || s.empty() || k.empty()) return {};
    Text buffer(kProfileValueLimit + 1, '\0');
    GetPrivateProfileStringA(s.c_str(), k.c_str(), "", buffer.data(),
                             static_cast<DWORD>(buffer.size()), f.c_str());
    return ToText(buffer);
}

bool WriteProfileText(std::string_view file, std::string_view section, std::string_view key,
                      std::string_view value) {
    // An empty value goes over as "", never as a null pointer, which would delete the key.
    const std::string f(file), s(section), k(key), v(value);
    return WritePrivateProfileStringA(s.c_str(), k.c_str(), v.c_str(), f.c_str()) != 0;
}

}  // namespace urlpush
