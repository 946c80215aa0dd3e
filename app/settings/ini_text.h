// The INI format of the Windows profile functions, on a file's content in memory: find a
// key's value, and set one while every other byte of the file stays as it was.
//
// Section and key names match without regard to ASCII case, with blanks and control
// characters around them ignored; a value loses the blanks around it and one pair of
// matching quotes. Lines end in "\r\n" or "\n"; the last one may have no line break.
// Lines that are neither "[section]" nor "key=value" (comments, blank lines) are kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace urlpush {

// The value of `key` in the first section named `section`, or nothing when the section or
// the key is missing. FindIniValue("[Config]\r\nurl = a \r\n", "config", "URL") == "a"
[[nodiscard]] std::optional<std::string_view> FindIniValue(std::string_view content,
                                                           std::string_view section,
                                                           std::string_view key);

// `content` with `key` in `section` set to `value`: the key's line is rewritten in place,
// a missing key is added after the section's last non-blank line, a missing section is
// added at the end of the file. New lines end like the file's first line ("\r\n" for a
// file without a line break).
[[nodiscard]] std::string SetIniValue(std::string_view content, std::string_view section,
                                      std::string_view key, std::string_view value);

}  // namespace urlpush
