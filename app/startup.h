// The program from start to end, in its fixed order, over the platform's window system.
#pragma once

#include <memory>

#include "app/main_window.h"

namespace urlpush {

// What the start-up needs of a window system.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Builds MainWindow hidden with its six controls; no event is delivered meanwhile,
    // and none that occurred then is delivered later.
    [[nodiscard]] virtual MainWindow& CreateMainWindow() = 0;
    // Shows the window centred and gives 编辑框1 the focus.
    virtual void ShowMainWindow() = 0;
    // Runs until no window of the program remains; returns the exit code.
    [[nodiscard]] virtual int RunMessageLoop() = 0;
};

// Start-up, the message loop, and the exit steps; returns the process's exit code.
[[nodiscard]] int RunProgram(WindowSystem& system);

}  // namespace urlpush
