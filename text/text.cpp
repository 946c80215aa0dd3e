// The cutting, building, byte, conversion and number operations of the toolkit.
#include "text/text.h"

#include <cmath>
#include <string>

#include "runtime/fatal_stop.h"

namespace urlpush {
namespace {

std::size_t Clamp(int count, std::size_t length) {
    return count <= 0 ? 0 : std::min(static_cast<std::size_t>(count), length);
}

}  // namespace

int TextLength(std::string_view text) { return static_cast<int>(text.size()); }

Text TextLeft(std::string_view text, int count) {
    return Text(text.substr(0, Clamp(count, text.size())));
}

Text TextRight(std::string_view text, int count) {
    const std::size_t n = Clamp(count, text.size());
    return Text(text.substr(text.size() - n));
}

Text TextMid(std::string_view text, int start, int count) {
    if (start < 1 || static_cast<std::size_t>(start) > text.size() || count <= 0) return {};
    return Text(text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(count)));
}

Text ConcatText(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) total += part.size();
    Text result;
    result.reserve(total);
    for (std::string_view part : parts) result.append(part);
    return result;
}

Text BlankText(int count) { return count <= 0 ? Text() : Text(static_cast<std::size_t>(count), ' '); }

Text CharFromCode(int code) {
    const auto byte = static_cast<char>(code & 0xFF);
    return byte == '\0' ? Text() : Text(1, byte);
}

int CompareText(std::string_view a, std::string_view b) { return a.compare(b); }

int BytesLength(std::string_view bytes) { return static_cast<int>(bytes.size()); }

Bytes BytesLeft(std::string_view bytes, int count) {
    return Bytes(bytes.substr(0, Clamp(count, bytes.size())));
}

Bytes BlankBytes(int count) {
    return count <= 0 ? Bytes() : Bytes(static_cast<std::size_t>(count), '\0');
}

Bytes ConcatBytes(std::initializer_list<std::string_view> parts) { return ConcatText(parts); }

bool CompareBytes(std::string_view a, std::string_view b) { return a == b; }

Text ToText(std::string_view bytes) { return Text(bytes.substr(0, bytes.find('\0'))); }

Text ToText(int value) { return std::to_string(value); }

Bytes ToBytes(std::string_view text) { return Bytes(text); }

double Modulo(double a, double b) {
    if (b == 0) FatalStop("Modulo", "remainder of a division by zero", 3);
    return a - b * std::trunc(a / b);
}

bool IsZero(double value) { return std::fabs(value) <= 1e-7; }

int32_t BitOr(int32_t a, int32_t b) { return a | b; }

int ArraySize(const TextArray& array) { return static_cast<int>(array.ends_.size()); }

void AppendMember(TextArray& array, std::string_view text) {
    array.bytes_.append(text);
    array.ends_.push_back(array.bytes_.size());
}

std::string_view Member(const TextArray& array, int index) {
    if (index < 1 || index > ArraySize(array)) {
        FatalStop("TextArray",
                  ConcatText("member ", ToText(index), " read outside 1 to ",
                             ToText(ArraySize(array))),
                  3);
    }
    const auto i = static_cast<std::size_t>(index) - 1;
    const std::size_t begin = i == 0 ? 0 : array.ends_[i - 1];
    return std::string_view(array.bytes_).substr(begin, array.ends_[i] - begin);
}

Text TextBetween(std::string_view text, std::string_view left, std::string_view right, int start,
                 bool ignoreCase) {
    // "#引号" (GBK) stands for a double quote inside a marker.
    static constexpr std::string_view kQuoteWord = "#\xD2\xFD\xBA\xC5";
    const Text l = ReplaceText(left, kQuoteWord, "\"");
    const Text r = ReplaceText(right, kQuoteWord, "\"");
    int a = FindText(text, l, start, ignoreCase);
    if (a != -1) a += TextLength(l);
    const int b = FindText(text, r, a, ignoreCase);
    if (a == -1 || b == -1) return {};
    return TextMid(text, a, b - a);
}

}  // namespace urlpush
