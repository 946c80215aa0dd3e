// The skin format the engine accepts, and its reader. Both renderers (Qt on Linux, Win32
// painting on Windows) take their colours and metrics from a SkinTheme read from here.
//
// A skin is a small text file:
//
//   .SHE 1                      the four bytes ".SHE", one space, the format version
//   ; a comment                 lines starting with ';' and empty lines are skipped
//   window.face      #F3F5F8    a named colour: '#' and six hex digits, red green blue
//   corner.radius    4          a named metric: a decimal number of pixels, 0 to 64
//   .END                        the last line; data without it is truncated
//
// Names and values are separated by blanks or tabs; lines end in "\n" or "\r\n". Every
// name below must appear exactly once; an unknown name, a repeated one, a zero byte or
// anything after ".END" other than line ends makes the data malformed.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace urlpush::engine {

// The only version this reader knows.
inline constexpr int kSkinFormatVersion = 1;

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
};

// Colour names, in the order of SkinTheme::colours.
enum class ColourName {
    WindowFace,         // "window.face": the face of windows and dialogs
    WindowText,         // "window.text": labels and static text
    EditBase,           // "edit.base": the inside of edit boxes
    EditText,           // "edit.text"
    EditBorder,         // "edit.border"
    EditBorderFocus,    // "edit.border.focus": the border of the box with the focus
    EditSelection,      // "edit.selection": selected text's background
    EditSelectionText,  // "edit.selection.text"
    ButtonFace,         // "button.face"
    ButtonFaceHover,    // "button.face.hover": under the mouse
    ButtonFacePressed,  // "button.face.pressed"
    ButtonBorder,       // "button.border"
    ButtonText,         // "button.text"
    Count
};

// Metric names, in the order of SkinTheme::metrics.
enum class MetricName {
    CornerRadius,  // "corner.radius": rounding of buttons and edit boxes
    BorderWidth,   // "border.width": width of button and edit borders
    Count
};

struct SkinTheme {
    std::array<Colour, static_cast<int>(ColourName::Count)> colours{};
    std::array<int, static_cast<int>(MetricName::Count)> metrics{};

    [[nodiscard]] Colour Get(ColourName name) const { return colours[static_cast<int>(name)]; }
    [[nodiscard]] int Get(MetricName name) const { return metrics[static_cast<int>(name)]; }
};

// The outcome of reading; also SkinH_AttachRes's result for data that is not accepted.
enum class SkinError : int {
    None = 0,
    BadMagic = 1,        // does not begin with ".SHE"
    Truncated = 2,       // no data, or no ".END" line
    UnknownVersion = 3,  // a version other than kSkinFormatVersion
    Malformed = 4,       // a bad line, an unknown, repeated or missing name
};

// Reads `data` into `theme`; `theme` is written only when the result is SkinError::None.
[[nodiscard]] SkinError ReadSkin(std::string_view data, SkinTheme& theme);

// The same for the skin as SkinH_AttachRes receives it; a null or empty skin is Truncated.
[[nodiscard]] SkinError ReadSkin(const unsigned char* skin, int length, SkinTheme& theme);

}  // namespace urlpush::engine
