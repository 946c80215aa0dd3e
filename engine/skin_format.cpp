// Reading the engine's skin format: the version line, named colours and metrics, ".END".
#include "engine/skin_format.h"

#include <optional>

namespace urlpush::engine {
namespace {

constexpr std::array<std::string_view, static_cast<int>(ColourName::Count)> kColourNames = {
    "window.face",    "window.text",    "edit.base",           "edit.text",
    "edit.border",    "edit.border.focus", "edit.selection",  "edit.selection.text",
    "button.face",    "button.face.hover", "button.face.pressed", "button.border",
    "button.text"};
constexpr std::array<std::string_view, static_cast<int>(MetricName::Count)> kMetricNames = {
    "corner.radius", "border.width"};
constexpr int kLargestMetric = 64;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Cuts the next line off `data`; nullopt when no line end follows.
std::optional<std::string_view> NextLine(std::string_view& data) {
    const auto end = data.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    std::string_view line = data.substr(0, end);
    data.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::optional<int> Number(std::string_view digits) {
    if (digits.empty() || digits.size() > 4) return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

std::optional<Colour> ColourValue(std::string_view value) {
    if (value.size() != 7 || value[0] != '#') return std::nullopt;
    std::array<std::uint8_t, 3> parts{};
    for (int i = 0; i < 3; ++i) {
        const auto high = HexDigit(value[1 + 2 * i]);
        const auto low = HexDigit(value[2 + 2 * i]);
        if (!high || !low) return std::nullopt;
        parts[i] = static_cast<std::uint8_t>(*high * 16 + *low);
    }
    return Colour{parts[0], parts[1], parts[2]};
}

template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name) return static_cast<int>(i);
    }
    return -1;
}

// Reads one "name value" line into `theme`, marking the name in `seen`.
bool ReadEntry(std::string_view line, SkinTheme& theme, std::array<bool, 64>& seen) {
    std::size_t split = 0;
    while (split < line.size() && !IsBlank(line[split])) ++split;
    const std::string_view name = line.substr(0, split);
    const std::string_view value = Trim(line.substr(split));
    if (const int colour = IndexOf(kColourNames, name); colour >= 0) {
        const auto parsed = ColourValue(value);
        if (!parsed || seen[colour]) return false;
        theme.colours[colour] = *parsed;
        seen[colour] = true;
        return true;
    }
    if (const int metric = IndexOf(kMetricNames, name); metric >= 0) {
        const auto parsed = Number(value);
        const int slot = static_cast<int>(kColourNames.size()) + metric;
        if (!parsed || *parsed > kLargestMetric || seen[slot]) return false;
        theme.metrics[metric] = *parsed;
        seen[slot] = true;
        return true;
    }
    return false;
}

}  // namespace

SkinError ReadSkin(std::string_view data, SkinTheme& theme) {
    constexpr std::string_view kMagic = ".SHE";
    if (data.size() < kMagic.size()) {
        return kMagic.substr(0, data.size()) == data ? SkinError::Truncated : SkinError::BadMagic;
    }
    if (data.substr(0, kMagic.size()) != kMagic) return SkinError::BadMagic;
    if (data.find('\0') != std::string_view::npos) return SkinError::Malformed;

    const auto first = NextLine(data);
    if (!first) return SkinError::Truncated;
    const std::string_view versionPart = first->substr(kMagic.size());
    if (versionPart.empty() || versionPart[0] != ' ') return SkinError::Malformed;
    const auto version = Number(Trim(versionPart));
    if (!version) return SkinError::Malformed;
    if (*version != kSkinFormatVersion) return SkinError::UnknownVersion;

    SkinTheme read;
    std::array<bool, 64> seen{};
    for (;;) {
        const auto line = NextLine(data);
        if (!line) {  // the last line may go without a line end, if it is ".END"
            if (Trim(data) != ".END") return SkinError::Truncated;
            data = {};
            break;
        }
        const std::string_view entry = Trim(*line);
        if (entry == ".END") break;
        if (entry.empty() || entry.front() == ';') continue;
        if (!ReadEntry(entry, read, seen)) return SkinError::Malformed;
    }
    for (const char c : data) {
        if (c != '\r' && c != '\n') return SkinError::Malformed;
    }
    const std::size_t names = kColourNames.size() + kMetricNames.size();
    for (std::size_t i = 0; i < names; ++i) {
        if (!seen[i]) return SkinError::Malformed;
    }
    theme = read;
    return SkinError::None;
}

SkinError ReadSkin(const unsigned char* skin, int length, SkinTheme& theme) {
    if (skin == nullptr || length <= 0) return SkinError::Truncated;
    return ReadSkin(
        std::string_view(reinterpret_cast<const char*>(skin), static_cast<std::size_t>(length)),
        theme);
}

}  // namespace urlpush::engine
