// GBK <-> UTF-8 with glibc's iconv.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "text/encoding.h"

namespace urlpush {
namespace {

struct IconvCloser {
    void operator()(iconv_t* cd) const {
        iconv_close(*cd);
        delete cd;
    }
};
using Converter = std::unique_ptr<iconv_t, IconvCloser>;

Converter OpenConverter(const char* to, const char* from) {
    const iconv_t cd = iconv_open(to, from);
    return cd == reinterpret_cast<iconv_t>(-1) ? nullptr : Converter(new iconv_t(cd));
}

// Converts `input`; at a sequence iconv rejects, writes `replacement` and skips `skip(...)`
// bytes of input. The output grows in chunks, so the cost stays linear in the input.
template <typename Skip>
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, Skip skip) {
    std::string output;
    const Converter cd = OpenConverter(to, from);
    if (!cd) return output;
    output.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t used = 0;
    while (inLeft > 0) {
        char* out = output.data() + used;
        std::size_t outLeft = output.size() - used;
        const std::size_t result = iconv(*cd, &in, &inLeft, &out, &outLeft);
        used = output.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
        } else {  // EILSEQ or EINVAL: a bad or cut-off sequence
            if (output.size() - used < replacement.size()) output.resize(output.size() * 2);
            output.replace(used, replacement.size(), replacement);
            used += replacement.size();
            const std::size_t n = std::min(inLeft, skip(std::string_view(in, inLeft)));
            in += n;
            inLeft -= n;
        }
    }
    output.resize(used);
    return output;
}

// One GBK character: a lead byte of 0x81 or above takes the byte after it along.
std::size_t GbkCharLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    return lead >= 0x81 && rest.size() > 1 ? 2 : 1;
}

// One UTF-8 character: the lead byte and the continuation bytes after it.
std::size_t Utf8CharLength(std::string_view rest) {
    std::size_t n = 1;
    while (n < rest.size() && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) ++n;
    return n;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    return Convert("UTF-8", "CP936", gbk, "\xEF\xBF\xBD", GbkCharLength);
}

Text Utf8ToGbk(std::string_view utf8) {
    return Convert("CP936", "UTF-8", utf8, "?", Utf8CharLength);
}

}  // namespace urlpush
