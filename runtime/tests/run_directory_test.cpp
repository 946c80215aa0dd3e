// RunDirectory: the program path cut before its last separator.
#include <gtest/gtest.h>

#include <string>

#include "runtime/run_directory.h"

namespace urlpush {
namespace {

struct DirectoryCase {
    const char* name;
    std::string path, separator, expected;
};

class DirectoryOfTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(DirectoryOfTest, CutsBeforeLastSeparator) {
    const DirectoryCase& c = GetParam();
    EXPECT_EQ(DirectoryOf(c.path, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Runtime, DirectoryOfTest,
    testing::Values(DirectoryCase{"windows", "D:\\tools\\tool.exe", "\\", "D:\\tools"},
                    DirectoryCase{"drive_root", "C:\\tool.exe", "\\", "C:"},
                    // 0xB9 0x5C is one character: its second byte is no separator.
                    DirectoryCase{"double_byte_name", "D:\\a\\\xB9\x5C.exe", "\\", "D:\\a"},
                    DirectoryCase{"linux", "/opt/tool/tool", "/", "/opt/tool"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunDirectory, IsTheTestProgramsDirectoryWithoutTrailingSeparator) {
    const Text& directory = RunDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(TextRight(directory, 1), PathSeparator());
    EXPECT_EQ(&directory, &RunDirectory());
}

}  // namespace
}  // namespace urlpush
