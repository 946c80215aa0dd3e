// MainWindow as the program's handlers see it: the window services of the commands plus
// SetBoxText, which the start-up uses to fill 编辑框1.
#pragma once

#include <string_view>

#include "app/window_services.h"

namespace urlpush {

class MainWindow : public WindowServices {
public:
    // Replaces the box's text, then raises the box's text-changed event exactly once, even
    // when the text is the same as before (only 编辑框1 has a handler).
    virtual void SetBoxText(Box box, std::string_view text) = 0;
};

}  // namespace urlpush
