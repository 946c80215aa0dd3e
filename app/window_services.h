// The narrow interface through which the program's commands talk to the main window.
// qt_* and win32_* implement it; tests use a fake.
#pragma once

#include <string_view>

#include "text/text.h"

namespace urlpush {

// The window's boxes by their names in the window description.
enum class Box { 编辑框1, 编辑框2, 编辑框3 };

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // The current full text of `box`, read anew at each call; line breaks are "\r\n".
    [[nodiscard]] virtual Text BoxText(Box box) = 0;

    // Adds `text` at the end of `box`: drops the user's selection, leaves the caret after
    // the text, scrolls to the end, cannot be undone, raises no event. The text shows at
    // once, also in the middle of a long command; input made while a command runs is
    // dropped, never delivered afterwards.
    virtual void AppendText(Box box, std::string_view text) = 0;

    // A task-modal message box with one OK button and no icon; returns when dismissed.
    virtual void ShowMessage(std::string_view text, std::string_view title) = 0;
};

}  // namespace urlpush
