// The profile functions on Linux: Config.ini is UTF-8 on disk, and a write replaces the
// whole file through a temporary file and a rename, so a crash never leaves half a file.
#include <string>

#include "app/settings/ini_text.h"
#include "app/settings/profile.h"
#include "runtime/whole_file.h"
#include "text/encoding.h"

namespace urlpush {
namespace {
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
}  // namespace

Text ReadProfileText(std::string_view file, std::string_view section, std::string_view key) {
    file = SkipLeadingControls(file);
    section = SkipLeadingControls(section);
    key = SkipLeadingControls(key);
    if (file.empty() || section.empty() || key.empty()) return {};
    const auto content = ReadWholeFile(GbkToUtf8(file));
    if (!content) return {};
    std::string_view body = *content;
    if (body.starts_with(kUtf8Mark)) body.remove_prefix(kUtf8Mark.size());
    const auto value = FindIniValue(body, GbkToUtf8(section), GbkToUtf8(key));
    if (!value) return {};
    return TextLeft(ToText(Utf8ToGbk(*value)), kProfileValueLimit);
}

bool WriteProfileText(std::string_view file, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string path = GbkToUtf8(file);
    const auto content = ReadWholeFile(path);
    if (!content) return false;
    std::string_view body = *content;
    const bool marked = body.starts_with(kUtf8Mark);
    if (marked) body.remove_prefix(kUtf8Mark.size());
    std::string updated = marked ? std::string(kUtf8Mark) : std::string();
    updated += SetIniValue(body, GbkToUtf8(section), GbkToUtf8(key), GbkToUtf8(value));
    return ReplaceWholeFile(path, updated, 0666);
}

}  // namespace urlpush
