// The INI format on content in memory: finding a value and setting one.
#include "app/settings/ini_text.h"

#include <gtest/gtest.h>

#include <cctype>

namespace urlpush {
namespace {

struct FindCase {
    const char* label;
    std::string_view content;
    std::string_view section;
    std::string_view key;
    std::optional<std::string_view> value;
};

const FindCase kFinds[] = {
    {"plain", "[Config]\r\nurl=http://a/b\r\n", "Config", "url", "http://a/b"},
    {"names ignore case", "[CONFIG]\r\nURL=x\r\n", "config", "Url", "x"},
    {"blanks around names and value", "  [ Config ]  \r\n  url  =  x y  \r\n", "Config", "url",
     "x y"},
    {"quoted value", "[Config]\nurl=\" x \"\n", "Config", "url", " x "},
    {"lf only and no final break", "[a]\nk=1\n[Config]\nurl=v", "Config", "url", "v"},
    {"empty value", "[Config]\r\nurl=\r\n", "Config", "url", ""},
    {"comment line is no key", "[Config]\r\n;url=old\r\nurl=new\r\n", "Config", "url", "new"},
    {"key of another section", "[Other]\r\nurl=x\r\n[Config]\r\n", "Config", "url", std::nullopt},
    {"no section", "url=x\r\n", "Config", "url", std::nullopt},
    {"first of two same keys", "[Config]\r\nurl=1\r\nurl=2\r\n", "Config", "url", "1"},
    {"value holds equals sign", "[Config]\r\nurl=a=b\r\n", "Config", "url", "a=b"},
    {"empty file", "", "Config", "url", std::nullopt},
};

class IniFind : public testing::TestWithParam<FindCase> {};

TEST_P(IniFind, Value) {
    const FindCase& c = GetParam();
    EXPECT_EQ(FindIniValue(c.content, c.section, c.key), c.value);
}

std::string Label(const char* label) {
    std::string name = label;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Table, IniFind, testing::ValuesIn(kFinds),
                         [](const auto& info) { return Label(info.param.label); });

struct SetCase {
    const char* label;
    std::string_view before;
    std::string_view value;
    std::string_view after;
};

const SetCase kSets[] = {
    {"new file", "", "", "[Config]\r\nurl=\r\n"},
    {"value replaced in place", "[Config]\r\nurl=old\r\n", "new", "[Config]\r\nurl=new\r\n"},
    {"other lines kept",
     "; mine\r\n[A]\r\nk = 1\r\n\r\n[config]\r\nx=2\r\nURL = old\r\ny=3\r\n[B]\r\nz=4",
     "ab", "; mine\r\n[A]\r\nk = 1\r\n\r\n[config]\r\nx=2\r\nURL =ab\r\ny=3\r\n[B]\r\nz=4"},
    {"key added after the section's last line", "[Config]\r\nx=1\r\n\r\n[B]\r\n", "v",
     "[Config]\r\nx=1\r\nurl=v\r\n\r\n[B]\r\n"},
    {"section added after a missing final break", "[A]\nk=1", "v", "[A]\nk=1\n[Config]\nurl=v\n"},
    {"lf file stays lf", "[Config]\nurl=a\n", "", "[Config]\nurl=\n"},
};

class IniSet : public testing::TestWithParam<SetCase> {};

TEST_P(IniSet, Content) {
    const SetCase& c = GetParam();
    const std::string after = SetIniValue(c.before, "Config", "url", c.value);
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(FindIniValue(after, "Config", "url"), c.value);
}

INSTANTIATE_TEST_SUITE_P(Table, IniSet, testing::ValuesIn(kSets),
                         [](const auto& info) { return Label(info.param.label); });

}  // namespace
}  // namespace urlpush
