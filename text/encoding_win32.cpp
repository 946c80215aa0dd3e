// GBK <-> UTF-8 through UTF-16 with MultiByteToWideChar and WideCharToMultiByte, using
// code page 936 whatever the system's own code page is.
#include <windows.h>

#include "text/encoding.h"

namespace urlpush {
namespace {

constexpr UINT kGbk = 936;

std::wstring ToWide(UINT codePage, std::string_view text) {
    std::wstring wide;
    if (text.empty()) return wide;
    const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0);
    wide.resize(static_cast<std::size_t>(n));
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
    std::string text;
    if (wide.empty()) return text;
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, fallback, nullptr);
    text.resize(static_cast<std::size_t>(n));
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n,
                        fallback, nullptr);
    return text;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) { return FromWide(CP_UTF8, ToWide(kGbk, gbk)); }

Text Utf8ToGbk(std::string_view utf8) { return FromWide(kGbk, ToWide(CP_UTF8, utf8)); }

std::wstring GbkToWide(std::string_view gbk) { return ToWide(kGbk, gbk); }

Text WideToGbk(std::wstring_view wide) { return FromWide(kGbk, wide); }

}  // namespace urlpush
