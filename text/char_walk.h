// The double-byte walk shared by the scanning operations (internal to the toolkit).
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace urlpush::text_internal {

inline bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Length of the character that begins at `p`; a lead byte in the last place stands alone.
inline std::size_t CharLength(std::string_view text, std::size_t p) {
    return IsLeadByte(text[p]) && p + 1 < text.size() ? 2 : 1;
}

// From the character beginning `p`, the first character beginning at or after `target`.
// Runs of plain ASCII are skipped eight bytes at a time.
inline std::size_t WalkTo(std::string_view text, std::size_t p, std::size_t target) {
    const char* data = text.data();
    while (p < target) {
        if (p + 8 <= target) {
            std::uint64_t word;
            std::memcpy(&word, data + p, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        p += CharLength(text, p);
    }
    return p;
}

inline char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

inline bool EqualsAt(std::string_view text, std::size_t p, std::string_view sought,
                     bool ignoreCase) {
    if (!ignoreCase) return std::memcmp(text.data() + p, sought.data(), sought.size()) == 0;
    for (std::size_t i = 0; i < sought.size(); ++i) {
        if (FoldAscii(text[p + i]) != FoldAscii(sought[i])) return false;
    }
    return true;
}

// First byte position at or after `from` where `sought` (non-empty) matches, ignoring
// character beginnings.
inline std::size_t FindBytes(std::string_view text, std::string_view sought, std::size_t from,
                             bool ignoreCase) {
    if (!ignoreCase) return text.find(sought, from);
    if (sought.size() > text.size()) return std::string_view::npos;
    const char first = FoldAscii(sought[0]);
    for (std::size_t p = from; p + sought.size() <= text.size(); ++p) {
        if (FoldAscii(text[p]) == first && EqualsAt(text, p, sought, true)) return p;
    }
    return std::string_view::npos;
}

// First match of `sought` (non-empty) that begins at a character beginning at or after
// `from`, which must itself be a character beginning. npos when there is none.
inline std::size_t FindAtCharStart(std::string_view text, std::string_view sought,
                                   std::size_t from, bool ignoreCase) {
    std::size_t walker = from;
    std::size_t searchFrom = from;
    for (;;) {
        const std::size_t candidate = FindBytes(text, sought, searchFrom, ignoreCase);
        if (candidate == std::string_view::npos) return candidate;
        walker = WalkTo(text, walker, candidate);
        if (walker == candidate) return candidate;
        searchFrom = walker;  // the candidate was a second byte; go on after its character
    }
}

}  // namespace urlpush::text_internal
