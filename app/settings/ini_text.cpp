// Reading and editing INI content line by line, in one pass over the file.
#include "app/settings/ini_text.h"

namespace urlpush {
namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char FoldAscii(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

// One line of the file: [begin, end) is its text without the line break, next is where
// the following line begins.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

Line LineAt(std::string_view content, std::size_t begin) {
    const std::size_t lf = content.find('\n', begin);
    if (lf == std::string_view::npos) return {begin, content.size(), content.size()};
    const std::size_t end = lf > begin && content[lf - 1] == '\r' ? lf - 1 : lf;
    return {begin, end, lf + 1};
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    const std::string_view name = line.substr(1, close == std::string_view::npos ? line.npos : close - 1);
    return Trim(name);
}

// The key of a "key=value" line and where its value begins, or nothing.
struct KeyLine {
    std::string_view key;
    std::size_t valueOffset;  // within the line
};

std::optional<KeyLine> KeyOf(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyLine{Trim(line.substr(0, eq)), eq + 1};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Where things are in the file for one section and key.
struct Place {
    bool sectionFound = false;
    std::size_t afterSection = 0;  // after the section's last non-blank line
    std::optional<Line> keyLine;
};

Place Locate(std::string_view content, std::string_view section, std::string_view key) {
    Place place;
    bool inSection = false;
    for (std::size_t at = 0; at < content.size();) {
        const Line line = LineAt(content, at);
        at = line.next;
        const std::string_view text = content.substr(line.begin, line.end - line.begin);
        if (const auto name = SectionName(text)) {
            if (place.sectionFound) break;  // only the first section of that name counts
            inSection = SameName(*name, section);
            if (inSection) {
                place.sectionFound = true;
                place.afterSection = line.next;
            }
            continue;
        }
        if (!inSection) continue;
        if (!Trim(text).empty()) place.afterSection = line.next;
        if (const auto keyLine = KeyOf(text); keyLine && SameName(keyLine->key, key)) {
            place.keyLine = line;
            break;
        }
    }
    return place;
}

std::string_view LineBreakOf(std::string_view content) {
    const std::size_t lf = content.find('\n');
    return lf != std::string_view::npos && lf > 0 && content[lf - 1] != '\r' ? "\n" : "\r\n";
}

std::string_view TrimNames(std::string_view name) {
    while (!name.empty() && static_cast<unsigned char>(name.front()) <= 32) name.remove_prefix(1);
    return Trim(name);
}

}  // namespace

std::optional<std::string_view> FindIniValue(std::string_view content, std::string_view section,
                                             std::string_view key) {
    const Place place = Locate(content, TrimNames(section), TrimNames(key));
    if (!place.keyLine) return std::nullopt;
    const std::string_view line =
        content.substr(place.keyLine->begin, place.keyLine->end - place.keyLine->begin);
    return Unquote(Trim(line.substr(KeyOf(line)->valueOffset)));
}

std::string SetIniValue(std::string_view content, std::string_view section, std::string_view key,
                        std::string_view value) {
    section = TrimNames(section);
    key = TrimNames(key);
    const Place place = Locate(content, section, key);
    const std::string_view lineBreak = LineBreakOf(content);
    std::string result;
    result.reserve(content.size() + section.size() + key.size() + value.size() + 8);
    const auto keyValue = [&] {
        result.append(key).append("=").append(value);
    };
    if (place.keyLine) {
        const std::string_view line =
            content.substr(place.keyLine->begin, place.keyLine->end - place.keyLine->begin);
        // The key keeps its spelling and the blanks before "=": only the value changes.
        result.append(content.substr(0, place.keyLine->begin));
        result.append(line.substr(0, KeyOf(line)->valueOffset)).append(value);
        result.append(content.substr(place.keyLine->end));
        return result;
    }
    if (place.sectionFound) {
        result.append(content.substr(0, place.afterSection));
        if (!result.empty() && result.back() != '\n') result.append(lineBreak);
        keyValue();
        result.append(lineBreak);
        result.append(content.substr(place.afterSection));
        return result;
    }
    result.append(content);
    if (!result.empty() && result.back() != '\n') result.append(lineBreak);
    result.append("[").append(section).append("]").append(lineBreak);
    keyValue();
    result.append(lineBreak);
    return result;
}

}  // namespace urlpush
