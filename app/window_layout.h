// The fixed look of MainWindow: title, outer size, centring, and its six controls with
// their client-area positions and start texts (GBK bytes), shared by both builds.
#pragma once

#include <string_view>

namespace urlpush::layout {

inline constexpr std::string_view kTitle = "Tavrelo By:Ormin";
inline constexpr int kOuterWidth = 754;  // frame and title bar included
inline constexpr int kOuterHeight = 427;

struct Origin {
    int left;
    int top;
};

// Centred on a screen of the given size; C++ division rounds toward zero like the
// formula, so a screen smaller than the window gives a negative position.
[[nodiscard]] constexpr Origin CentredOrigin(int screenWidth, int screenHeight) {
    return {(screenWidth - kOuterWidth) / 2, (screenHeight - kOuterHeight) / 2};
}

struct Control {
    int left;
    int top;
    int width;
    int height;
    std::string_view text;  // at start
};

inline constexpr Control 标签1{5, 12, 60, 24, "\xCD\xC6\xCB\xCD\xBD\xD3\xBF\xDA\xA3\xBA"};  // 推送接口：
inline constexpr Control 编辑框1{65, 13, 392, 24, ""};
inline constexpr Control 标签2{4, 40, 60, 24, "\xCD\xC6\xCB\xCD\xCD\xF8\xD6\xB7\xA3\xBA"};  // 推送网址：
inline constexpr Control 编辑框2{64, 41, 392, 263, ""};
inline constexpr Control 按钮1{184, 336, 112, 48, "\xCC\xE1\xBD\xBB"};  // 提交
inline constexpr Control 编辑框3{472, 8, 264, 360, ""};

// 编辑框3's colours: green text on black.
inline constexpr int kLogTextRed = 0, kLogTextGreen = 128, kLogTextBlue = 0;

}  // namespace urlpush::layout
