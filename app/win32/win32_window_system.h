// The start-up's window system on Win32: one Win32MainWindow and the message loop.
#pragma once

#include <memory>

#include "app/startup.h"
#include "app/win32/win32_main_window.h"

namespace urlpush::win32 {

class Win32WindowSystem final : public WindowSystem {
public:
    explicit Win32WindowSystem(Win32MainWindow::SubmitHandler onSubmit);
    ~Win32WindowSystem() override;

    [[nodiscard]] MainWindow& CreateMainWindow() override;
    void ShowMainWindow() override;
    [[nodiscard]] int RunMessageLoop() override;

private:
    Win32MainWindow::SubmitHandler onSubmit_;
    std::unique_ptr<Win32MainWindow> window_;
};

}  // namespace urlpush::win32
