// Qt's event loop ends when the last window closes.
#include "app/qt/qt_window_system.h"

#include <QApplication>

namespace urlpush {

QtWindowSystem::QtWindowSystem(QtMainWindow::SubmitHandler onSubmit)
    : onSubmit_(std::move(onSubmit)) {}

QtWindowSystem::~QtWindowSystem() = default;

MainWindow& QtWindowSystem::CreateMainWindow() {
    window_ = std::make_unique<QtMainWindow>(onSubmit_);
    return *window_;
}

void QtWindowSystem::ShowMainWindow() { window_->ShowCentred(); }

int QtWindowSystem::RunMessageLoop() {
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
}

}  // namespace urlpush
