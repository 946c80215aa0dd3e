// Folding the cookies a response set into the cookie text a caller sent, so that a caller
// who passes the same text to request after request keeps a cookie jar of its own.
#pragma once

#include <string_view>

#include "text/text.h"

namespace urlpush {

// Merges `returnedCookies` ('b=3; c=4') into `cookies` ('a=1; b=2') and returns the result,
// 'a=1;b=3;c=4;': the sent cookies first, in their order with updated values in place, then
// the new ones. Names compare exactly; a pair with an empty name or value, or the value
// "deleted", is dropped. Both operands lose their blanks, and `cookies` is set to the
// result. When nothing came back the blank-free `cookies` is returned as it stands,
// without a ";" being added.
Text MergeCookies(Text& cookies, Text& returnedCookies);

// The part of `member` before its first "=", trimmed: CookieName(" a =1") == "a"
[[nodiscard]] Text CookieName(std::string_view member);

// The part of `member` after its first "=", not trimmed; "" without "=".
// CookieValue("t=a=b") == "a=b"
[[nodiscard]] Text CookieValue(std::string_view member);

}  // namespace urlpush
