// ReadProfileText and WriteProfileText on real files. The same table runs natively against
// our reader and writer and under Wine against the Windows profile functions, so both
// agree on the bytes a write leaves.
#include "app/settings/profile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>

#include "app/tests/temp_directory.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace urlpush {
namespace {

using testing_support::ReadFile;
using testing_support::TempDirectory;
using testing_support::WriteFile;

struct WriteCase {
    const char* label;
    std::optional<std::string_view> before;  // nothing: no file
    std::string_view value;
    std::string_view after;
};

const WriteCase kWrites[] = {
    {"first start without a file", std::nullopt, "", "[Config]\r\nurl=\r\n"},
    {"address rewritten", "[Config]\r\nurl=http://old/\r\n", "http://new/a?b=1",
     "[Config]\r\nurl=http://new/a?b=1\r\n"},
    {"deleting all text keeps the key", "[Config]\r\nurl=abc\r\n", "", "[Config]\r\nurl=\r\n"},
    {"other sections kept", "[A]\r\nk=1\r\n[Config]\r\nurl=x\r\n[B]\r\nz=2\r\n", "y",
     "[A]\r\nk=1\r\n[Config]\r\nurl=y\r\n[B]\r\nz=2\r\n"},
    {"section added to a file without it", "[A]\r\nk=1\r\n", "v",
     "[A]\r\nk=1\r\n[Config]\r\nurl=v\r\n"},
    {"key added to its section", "[Config]\r\nother=1\r\n[B]\r\nz=2\r\n", "v",
     "[Config]\r\nother=1\r\nurl=v\r\n[B]\r\nz=2\r\n"},
    {"section and key names in other case", "[CONFIG]\r\nURL=x\r\n", "y", "[CONFIG]\r\nURL=y\r\n"},
};

std::string Label(const char* label) {
    std::string name = label;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, LeavesTheseBytes) {
    const WriteCase& c = GetParam();
    TempDirectory dir;
    const std::string file = dir.File("Config.ini");
    if (c.before) WriteFile(file, *c.before);
    EXPECT_TRUE(WriteProfileText(file, "Config", "url", c.value));
    EXPECT_EQ(ReadFile(file), c.after);
    EXPECT_EQ(ReadProfileText(file, "Config", "url"), c.value);
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileWrite, testing::ValuesIn(kWrites),
                         [](const auto& info) { return Label(info.param.label); });

struct ReadCase {
    const char* label;
    std::string_view content;
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

const ReadCase kReads[] = {
    {"blanks around names and value", " [ Config ] \r\n  url = http://a/ \r\n", "Config", "url",
     "http://a/"},
    {"names ignore case", "[config]\nUrl=x\n", "CONFIG", "URL", "x"},
    {"comment line", "[Config]\r\n; url=old\r\nurl=new", "Config", "url", "new"},
    {"leading blanks of the names skipped", "[Config]\r\nurl=x\r\n", " \tConfig", "\nurl", "x"},
    {"missing section", "[Other]\r\nurl=x\r\n", "Config", "url", ""},
    {"missing key", "[Config]\r\nother=x\r\n", "Config", "url", ""},
    {"blank key name", "[Config]\r\nurl=x\r\n", "Config", "  ", ""},
};

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, Value) {
    const ReadCase& c = GetParam();
    TempDirectory dir;
    const std::string file = dir.File("Config.ini");
    WriteFile(file, c.content);
    EXPECT_EQ(ReadProfileText(file, c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileRead, testing::ValuesIn(kReads),
                         [](const auto& info) { return Label(info.param.label); });

TEST(Profile, MissingFileReadsEmpty) {
    TempDirectory dir;
    EXPECT_EQ(ReadProfileText(dir.File("Config.ini"), "Config", "url"), "");
}

TEST(Profile, LongValueCutTo10239Bytes) {
    TempDirectory dir;
    const std::string file = dir.File("Config.ini");
    const std::string value(20000, 'x');
    WriteFile(file, "[Config]\r\nurl=" + value + "\r\n");
    EXPECT_EQ(ReadProfileText(file, "Config", "url"), value.substr(0, 10239));
}

#ifndef _WIN32
TEST(ProfileLinux, FileIsUtf8OnDisk) {
    TempDirectory dir;
    const std::string file = dir.File("Config.ini");
    ASSERT_TRUE(WriteProfileText(file, "Config", "url", "http://a/\xCC\xE1\xBD\xBB"));  // 提交
    EXPECT_EQ(ReadFile(file), "[Config]\r\nurl=http://a/\xE6\x8F\x90\xE4\xBA\xA4\r\n");
    EXPECT_EQ(ReadProfileText(file, "Config", "url"), "http://a/\xCC\xE1\xBD\xBB");
}

TEST(ProfileLinux, WriteLeavesNoTemporaryFileBehind) {
    TempDirectory dir;
    const std::string file = dir.File("Config.ini");
    ASSERT_TRUE(WriteProfileText(file, "Config", "url", "a"));
    ASSERT_TRUE(WriteProfileText(file, "Config", "url", "ab"));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(ProfileLinux, ReadOnlyDirectoryFailsAndKeepsTheFile) {
    TempDirectory dir;
    const std::string file = dir.File("Config.ini");
    WriteFile(file, "[Config]\r\nurl=old\r\n");
    ::chmod(file.c_str(), 0644);
    ::chmod(dir.path().c_str(), 0555);
    {
        testing_support::AsOtherUser other;
        EXPECT_FALSE(WriteProfileText(file, "Config", "url", "new"));
    }
    EXPECT_EQ(ReadFile(file), "[Config]\r\nurl=old\r\n");
}
#endif

}  // namespace
}  // namespace urlpush
