// Character-set conversion at the program's edges: the program's texts are GBK (code page
// 936) inside; the window, the Linux settings file and JSON replies speak Unicode.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace urlpush {

// GBK to UTF-8. A byte sequence that is not GBK becomes U+FFFD and the walk goes on.
// GbkToUtf8("\xCC\xE1\xBD\xBB") == "提交" (as UTF-8)
[[nodiscard]] std::string GbkToUtf8(std::string_view gbk);

// UTF-8 to GBK. A character GBK lacks, or a byte sequence that is not UTF-8, becomes "?".
// Utf8ToGbk("提交") == "\xCC\xE1\xBD\xBB"
[[nodiscard]] Text Utf8ToGbk(std::string_view utf8);

#if defined(_WIN32)
// GBK to and from the UTF-16 of the Windows W functions, with code page 936 whatever the
// system's own code page is.
[[nodiscard]] std::wstring GbkToWide(std::string_view gbk);
[[nodiscard]] Text WideToGbk(std::wstring_view wide);
#endif

}  // namespace urlpush
