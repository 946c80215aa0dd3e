// The start-up's window system on Qt: one QtMainWindow and the application's event loop.
#pragma once

#include <memory>

#include "app/qt/qt_main_window.h"
#include "app/startup.h"

namespace urlpush {

class QtWindowSystem final : public WindowSystem {
public:
    explicit QtWindowSystem(QtMainWindow::SubmitHandler onSubmit);
    ~QtWindowSystem() override;

    [[nodiscard]] MainWindow& CreateMainWindow() override;
    void ShowMainWindow() override;
    [[nodiscard]] int RunMessageLoop() override;

private:
    QtMainWindow::SubmitHandler onSubmit_;
    std::unique_ptr<QtMainWindow> window_;
};

}  // namespace urlpush
