// The directory of the running program file, the place where it keeps Config.ini and
// writes jedata.dll.
#pragma once

#include "text/text.h"

namespace urlpush {

// The program file's directory without a trailing separator: "D:\tools" for
// D:\tools\tool.exe, "C:" for C:\tool.exe, "/opt/tool" for /opt/tool/tool on Linux.
// Settled on first use; the same value every time.
[[nodiscard]] const Text& RunDirectory();

// The separator the platform joins paths with: "\" on Windows, "/" on Linux.
[[nodiscard]] std::string_view PathSeparator();

// The part of `programPath` before its last separator (found by the double-byte walk).
[[nodiscard]] Text DirectoryOf(std::string_view programPath, std::string_view separator);

}  // namespace urlpush
