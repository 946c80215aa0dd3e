// The scanning operations: searching, replacing, splitting, case and blanks, all by the
// double-byte walk of char_walk.h. Each is one pass over the text.
#include "text/char_walk.h"
#include "text/text.h"

namespace urlpush {

using text_internal::CharLength;
using text_internal::EqualsAt;
using text_internal::FindAtCharStart;
using text_internal::FoldAscii;

namespace {

constexpr std::size_t npos = std::string_view::npos;

// Length of the blank that begins at `p`, or 0: the ASCII space, or 0xA1 0xA1 where a
// character begins there.
std::size_t BlankLength(std::string_view text, std::size_t p) {
    if (text[p] == ' ') return 1;
    if (static_cast<unsigned char>(text[p]) == 0xA1 && p + 1 < text.size() &&
        static_cast<unsigned char>(text[p + 1]) == 0xA1)
        return 2;
    return 0;
}

}  // namespace

int FindText(std::string_view text, std::string_view sought, int start, bool ignoreCase) {
    const std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (from >= text.size()) return -1;
    if (sought.empty()) return 1;
    const std::size_t p = FindAtCharStart(text, sought, from, ignoreCase);
    return p == npos ? -1 : static_cast<int>(p) + 1;
}

int FindTextReverse(std::string_view text, std::string_view sought, std::optional<int> start,
                    bool ignoreCase) {
    std::size_t window = text.size();
    if (start) {
        if (*start <= 1) return -1;
        window = std::min(window, static_cast<std::size_t>(*start) - 1);
    }
    if (sought.empty()) return window > 0 ? 1 : -1;
    const std::string_view part = text.substr(0, window);
    int last = -1;
    for (std::size_t p = FindAtCharStart(part, sought, 0, ignoreCase); p != npos;
         p = FindAtCharStart(part, sought, p + CharLength(part, p), ignoreCase)) {
        last = static_cast<int>(p) + 1;
    }
    return last;
}

Text ToLower(std::string_view text) {
    Text result(text);
    for (std::size_t p = 0; p < result.size();) {
        const std::size_t step = CharLength(result, p);
        if (step == 1) result[p] = FoldAscii(result[p]);
        p += step;
    }
    return result;
}

Text TrimText(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t blank = BlankLength(text, begin);
        if (blank == 0) break;
        begin += blank;
    }
    std::size_t end = text.size();  // where the final run of blanks begins
    bool inRun = false;
    for (std::size_t p = begin; p < text.size();) {
        const std::size_t blank = BlankLength(text, p);
        if (blank != 0) {
            if (!inRun) end = p;
            inRun = true;
            p += blank;
        } else {
            inRun = false;
            end = text.size();
            p += CharLength(text, p);
        }
    }
    return Text(text.substr(begin, end - begin));
}

Text RemoveSpaces(std::string_view text) {
    Text result;
    result.reserve(text.size());
    for (std::size_t p = 0; p < text.size();) {
        const std::size_t blank = BlankLength(text, p);
        if (blank != 0) {
            p += blank;
            continue;
        }
        const std::size_t step = CharLength(text, p);
        result.append(text.substr(p, step));
        p += step;
    }
    return result;
}

Text ReplaceText(std::string_view text, std::string_view sought, std::string_view replacement,
                 bool caseSensitive) {
    if (text.empty() || sought.empty()) return Text(text);
    Text result;
    result.reserve(text.size());
    std::size_t p = 0;
    for (std::size_t match = FindAtCharStart(text, sought, p, !caseSensitive); match != npos;
         match = FindAtCharStart(text, sought, p, !caseSensitive)) {
        result.append(text.substr(p, match - p));
        result.append(replacement);
        p = match + sought.size();
    }
    result.append(text.substr(p));
    return result;
}

TextArray SplitText(std::string_view text, std::string_view delimiter) {
    TextArray array;
    if (text.empty()) return array;
    if (delimiter.empty()) {
        AppendMember(array, text);
        return array;
    }
    // Room for every piece at once: the byte count of the delimiters found ignoring
    // character beginnings is an upper bound of the members.
    std::size_t bound = 1;
    for (std::size_t p = text.find(delimiter); p != npos; p = text.find(delimiter, p + 1)) ++bound;
    array.ends_.reserve(bound);
    array.bytes_.reserve(text.size());
    std::size_t pieceBegin = 0;
    for (std::size_t match = FindAtCharStart(text, delimiter, 0, false); match != npos;
         match = FindAtCharStart(text, delimiter, pieceBegin, false)) {
        AppendMember(array, text.substr(pieceBegin, match - pieceBegin));
        pieceBegin = match + delimiter.size();
    }
    if (pieceBegin < text.size()) AppendMember(array, text.substr(pieceBegin));
    return array;
}

namespace {

// The full-width step of ToInt: full-width ASCII forms and a few symbols become ASCII.
Text FullWidthToAscii(std::string_view text) {
    Text result;
    result.reserve(text.size());
    for (std::size_t p = 0; p < text.size();) {
        const std::size_t step = CharLength(text, p);
        if (step == 2) {
            const auto lead = static_cast<unsigned char>(text[p]);
            const auto trail = static_cast<unsigned char>(text[p + 1]);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
                result.push_back(static_cast<char>(trail - 0x80));
            } else if (lead == 0xA1 && trail == 0xA1) {
                result.push_back(' ');
            } else if (lead == 0xA1 && trail == 0xAB) {
                result.push_back('~');
            } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
                result.push_back('*');
            } else {
                result.append(text.substr(p, 2));
            }
        } else {
            result.push_back(text[p]);
        }
        p += step;
    }
    return result;
}

}  // namespace

int ToInt(std::string_view text) {
    const Text ascii = FullWidthToAscii(text);
    std::size_t p = 0;
    while (p < ascii.size() && (ascii[p] == ' ' || (ascii[p] >= '\t' && ascii[p] <= '\r'))) ++p;
    bool negative = false;
    if (p < ascii.size() && (ascii[p] == '+' || ascii[p] == '-')) negative = ascii[p++] == '-';
    std::uint32_t value = 0;  // wraps like 32-bit two's complement, without an overflow test
    for (; p < ascii.size() && ascii[p] >= '0' && ascii[p] <= '9'; ++p) {
        value = value * 10u + static_cast<std::uint32_t>(ascii[p] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<int>(value);
}

}  // namespace urlpush
