// The message loop runs until the main window's destruction posts the quit message.
#include "app/win32/win32_window_system.h"

#include "runtime/fatal_stop.h"

namespace urlpush::win32 {

Win32WindowSystem::Win32WindowSystem(Win32MainWindow::SubmitHandler onSubmit)
    : onSubmit_(std::move(onSubmit)) {}

Win32WindowSystem::~Win32WindowSystem() = default;

MainWindow& Win32WindowSystem::CreateMainWindow() {
    window_ = std::make_unique<Win32MainWindow>(onSubmit_);
    if (!window_->IsOpen()) FatalStop("Tavrelo By:Ormin", "CreateWindowExW", 1);
    return *window_;
}

void Win32WindowSystem::ShowMainWindow() { window_->Show(); }

int Win32WindowSystem::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (window_->PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace urlpush::win32
