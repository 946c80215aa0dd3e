// The text toolkit: the byte strings of the program and every operation on them.
//
// A `Text` is a string of bytes in code page 936 (GBK) that never holds a zero byte; a
// `Bytes` may hold zero bytes. Lengths, positions and counts are in bytes, positions are
// 1-based, and a search that finds nothing gives -1. Absent and empty are the same value
// everywhere except at a system function: `SystemArg` hands an empty `Text` over as a null
// pointer, while a call written with the literal "" passes a pointer to an empty string.
//
// The double-byte rule. The scanning operations (FindText, FindTextReverse, ReplaceText,
// SplitText, ToLower, TrimText, RemoveSpaces, and the full-width step of ToInt) walk a
// text one character at a time from a fixed first byte: a byte of 0x80 or above and the
// byte after it are one character, every other byte is one. A sought text, delimiter or
// blank is recognised only where a character begins, never at the second byte of a
// double-byte character. A last byte of 0x80 or above has nothing after it and is a
// character of its own. The cutting operations (TextLeft, TextRight, TextMid, BytesLeft)
// count raw bytes and may cut a double-byte character in two.
//
// Blanks are the ASCII space and the ideographic space 0xA1 0xA1, nothing else. Ignoring
// case folds the ASCII letters A to Z only, in every compared byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace urlpush {

using Text = std::string;
using Bytes = std::string;

// --- Measuring and cutting (raw bytes) ---

// TextLength("\xC4\xE3a") == 3
[[nodiscard]] int TextLength(std::string_view text);
// TextLeft("abc", 2) == "ab"; a count of 0 or below gives ""
[[nodiscard]] Text TextLeft(std::string_view text, int count);
// TextRight("abc", 2) == "bc"; a count of 0 or below gives ""
[[nodiscard]] Text TextRight(std::string_view text, int count);
// TextMid("abcd", 2, 2) == "bc"; a start below 1 or beyond the end gives "" (it is not moved)
[[nodiscard]] Text TextMid(std::string_view text, int start, int count);

// --- Searching (double-byte walk) ---

// Position of the first occurrence that begins at or after `start`; a start of 1 or below
// searches the whole text, the byte at `start` counts as a character beginning.
// FindText("a.b.c", ".") == 2; FindText("a.b.c", ".", 3) == 4; an empty sought gives 1
// whenever the searched part is not empty.
[[nodiscard]] int FindText(std::string_view text, std::string_view sought, int start = 0,
                           bool ignoreCase = false);
// Position of the last occurrence lying wholly within bytes 1 to start - 1 (the whole text
// when `start` is left out). FindTextReverse("a.b.c", ".", 4) == 2
[[nodiscard]] int FindTextReverse(std::string_view text, std::string_view sought,
                                  std::optional<int> start = std::nullopt,
                                  bool ignoreCase = false);

// --- Changing ---

// ToLower("AbC\xC4\x41") == "abc\xC4\x41": double-byte characters stay whole
[[nodiscard]] Text ToLower(std::string_view text);
// TrimText(" \xA1\xA1 a b \t") == "a b \t": only blanks go, tabs and line breaks stay
[[nodiscard]] Text TrimText(std::string_view text);
// RemoveSpaces("a b\xA1\xA1" "c") == "abc"
[[nodiscard]] Text RemoveSpaces(std::string_view text);
// One left-to-right pass; a replacement is never searched again.
// ReplaceText(";;;", ";;", ";") == ";;"; ReplaceText("set-COOKIE", "Set-Cookie",
// "Set-Cookie", false) == "Set-Cookie"
[[nodiscard]] Text ReplaceText(std::string_view text, std::string_view sought,
                               std::string_view replacement = {}, bool caseSensitive = true);

// --- Building and comparing ---

// ConcatText("a", "", "b") == "ab"
[[nodiscard]] Text ConcatText(std::initializer_list<std::string_view> parts);
template <typename... Parts>
[[nodiscard]] Text ConcatText(const Parts&... parts) {
    return ConcatText({std::string_view(parts)...});
}
// BlankText(3) == "   ": a writable buffer of `count` bytes for a system function
[[nodiscard]] Text BlankText(int count);
// CharFromCode(65) == "A"; CharFromCode(0) == "" (a null pointer at a system function)
[[nodiscard]] Text CharFromCode(int code);
// Byte order as unsigned values, a proper prefix first: < 0, 0 or > 0.
[[nodiscard]] int CompareText(std::string_view a, std::string_view b);
// The pointer a system function receives: nullptr for an empty text.
[[nodiscard]] inline const char* SystemArg(const Text& text) {
    return text.empty() ? nullptr : text.c_str();
}

// --- Bytes ---

[[nodiscard]] int BytesLength(std::string_view bytes);
// BytesLeft("a\0b", 2) == "a\0"
[[nodiscard]] Bytes BytesLeft(std::string_view bytes, int count);
// BlankBytes(2) == "\0\0"
[[nodiscard]] Bytes BlankBytes(int count);
// ConcatBytes("a\0", "b") == "a\0b"
[[nodiscard]] Bytes ConcatBytes(std::initializer_list<std::string_view> parts);
template <typename... Parts>
[[nodiscard]] Bytes ConcatBytes(const Parts&... parts) {
    return ConcatBytes({std::string_view(parts)...});
}
[[nodiscard]] bool CompareBytes(std::string_view a, std::string_view b);

// --- Conversions (no character-set conversion) ---

// ToText("ab\0c") == "ab": the bytes before the first zero byte. Also reads back a
// BlankText buffer that a system function filled.
[[nodiscard]] Text ToText(std::string_view bytes);
// ToText(-12) == "-12"
[[nodiscard]] Text ToText(int value);
// ToBytes("ab") == "ab" (no terminating zero)
[[nodiscard]] Bytes ToBytes(std::string_view text);
// ToInt(" +12/x") == 12; full-width digits and signs read as ASCII; 32-bit wrap-around;
// ToInt("0x1F") == 0
[[nodiscard]] int ToInt(std::string_view text);

// --- Numbers ---

// a - b * trunc(a / b); a divisor of 0 is a fatal stop. Modulo(-1, 2000) == -1
[[nodiscard]] double Modulo(double a, double b);
// A real result counts as zero when its magnitude is at most 1e-7.
[[nodiscard]] bool IsZero(double value);
[[nodiscard]] int32_t BitOr(int32_t a, int32_t b);

// --- TextArray ---

// An ordered list of texts, read by index 1 to ArraySize. The members live in one buffer,
// so a large split costs one allocation for the bytes and one for the bounds.
class TextArray {
public:
    TextArray() = default;

    friend int ArraySize(const TextArray& array);
    friend void AppendMember(TextArray& array, std::string_view text);
    friend std::string_view Member(const TextArray& array, int index);
    friend TextArray SplitText(std::string_view text, std::string_view delimiter);

private:
    std::string bytes_;
    std::vector<std::size_t> ends_;  // ends_[i] is where member i + 1 ends in bytes_
};

// ArraySize of a new array == 0
[[nodiscard]] int ArraySize(const TextArray& array);
// Adds a copy of `text` as the new last member.
void AppendMember(TextArray& array, std::string_view text);
// Member `index`, 1 to ArraySize; any other index is a fatal stop. The view stays valid
// until the array changes; assign it to a Text for a copy of one's own.
[[nodiscard]] std::string_view Member(const TextArray& array, int index);
// SplitText("a\r\n\r\nb\r\n", "\r\n") gives "a", "", "b": no empty last member; an empty
// text gives no member, an empty delimiter one member (the whole text).
[[nodiscard]] TextArray SplitText(std::string_view text, std::string_view delimiter);

// --- TextBetween ---

// The text between the first `left` (searched from `start`) and the first `right` after
// it; "" when either is missing. The marker word "#引号" in either marker stands for a
// double quote. TextBetween("{\"a\":1,", "\"a\":", ",") == "1"
[[nodiscard]] Text TextBetween(std::string_view text, std::string_view left,
                               std::string_view right, int start = 0, bool ignoreCase = false);

}  // namespace urlpush
