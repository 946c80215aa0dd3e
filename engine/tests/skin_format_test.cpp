// The skin reader: the carried skin is accepted, and data that is not a skin it knows
// (wrong magic, cut short, another version, a bad line) is refused with its reason.
#include "engine/skin_format.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/carried_resources.h"

namespace urlpush::engine {
namespace {

// A complete skin with every name once; rows below change it.
std::string Complete(std::string_view end = ".END\n") {
    return std::string(
               ".SHE 1\n"
               "; comment\n"
               "\n"
               "window.face #F3F5F8\nwindow.text #2E3A48\nedit.base #FFFFFF\n"
               "edit.text #1F2933\nedit.border #C4CDD8\nedit.border.focus #3D7CC9\n"
               "edit.selection #CFE2F7\nedit.selection.text #1F2933\n"
               "button.face #3D7CC9\nbutton.face.hover #4F8DD6\n"
               "button.face.pressed #2F66A8\nbutton.border #3570B8\nbutton.text #ffffff\n"
               "corner.radius\t4\nborder.width 1\n") +
           std::string(end);
}

std::string Replace(std::string text, std::string_view from, std::string_view to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

struct ReadCase {
    const char* label;
    std::string data;
    SkinError expected;
};

class ReadingASkin : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadingASkin, GivesItsOutcome) {
    SkinTheme theme;
    theme.metrics[0] = -1;
    EXPECT_EQ(ReadSkin(GetParam().data, theme), GetParam().expected);
    if (GetParam().expected != SkinError::None) {
        EXPECT_EQ(theme.metrics[0], -1) << "a refused skin changed the theme";
    }
}

const ReadCase kReadCases[] = {
    {"Complete", Complete(), SkinError::None},
    {"CarriageReturnLineFeeds", Replace(Replace(Complete(), "1\n", "1\r\n"), "#FFFFFF\n", "#FFFFFF\r\n"),
     SkinError::None},
    {"EndWithoutLineEnd", Complete(".END"), SkinError::None},
    {"Empty", "", SkinError::Truncated},
    {"MagicCut", ".SH", SkinError::Truncated},
    {"MagicOnly", ".SHE", SkinError::Truncated},
    {"WrongMagic", Replace(Complete(), ".SHE", "SHE."), SkinError::BadMagic},
    {"OtherBytes", std::string("MZ\x90\0", 4), SkinError::BadMagic},
    {"NoEndLine", Complete(""), SkinError::Truncated},
    {"CutInALine", Complete("").substr(0, 100), SkinError::Truncated},
    {"NextVersion", Replace(Complete(), ".SHE 1", ".SHE 2"), SkinError::UnknownVersion},
    {"NoVersion", Replace(Complete(), ".SHE 1", ".SHE"), SkinError::Malformed},
    {"MissingName", Replace(Complete(), "border.width 1\n", ""), SkinError::Malformed},
    {"UnknownName", Replace(Complete(), "; comment", "menu.face #000000"), SkinError::Malformed},
    {"RepeatedName", Replace(Complete(), "; comment", "edit.base #000000"), SkinError::Malformed},
    {"ShortColour", Replace(Complete(), "#FFFFFF", "#FFF"), SkinError::Malformed},
    {"NotHex", Replace(Complete(), "#FFFFFF", "#FFFFFG"), SkinError::Malformed},
    {"MetricTooLarge", Replace(Complete(), "corner.radius\t4", "corner.radius 65"),
     SkinError::Malformed},
    {"ZeroByte", Replace(Complete(), "; comment", std::string("; \0", 3)), SkinError::Malformed},
    {"DataAfterEnd", Complete(".END\nwindow.face #000000\n"), SkinError::Malformed},
};
INSTANTIATE_TEST_SUITE_P(Data, ReadingASkin, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(CarriedSkin, IsAcceptedWithItsColours) {
    SkinTheme theme;
    ASSERT_EQ(ReadSkin(CarriedSkin(), theme), SkinError::None);
    const Colour face = theme.Get(ColourName::WindowFace);
    EXPECT_EQ(face.red, 0xF3);
    EXPECT_EQ(face.green, 0xF5);
    EXPECT_EQ(face.blue, 0xF8);
    EXPECT_EQ(theme.Get(MetricName::CornerRadius), 4);
    EXPECT_EQ(theme.Get(ColourName::ButtonText).blue, 0xFF);
}

}  // namespace
}  // namespace urlpush::engine
