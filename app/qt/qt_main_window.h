// MainWindow on Qt: the six controls laid out as the window description gives them, the
// keys and focus rules, and the window services over the Qt widgets.
#pragma once

#include <QWidget>
#include <functional>

#include "app/main_window.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace urlpush {

class QtMainWindow final : public QWidget, public MainWindow {
public:
    using SubmitHandler = std::function<void(WindowServices&)>;

    // Built hidden; the handlers are wired only once every control exists.
    explicit QtMainWindow(SubmitHandler onSubmit);
    ~QtMainWindow() override;

    [[nodiscard]] Text BoxText(Box box) override;
    void AppendText(Box box, std::string_view text) override;
    void ShowMessage(std::string_view text, std::string_view title) override;
    void SetBoxText(Box box, std::string_view text) override;

    // Shows the window with its outer frame centred on the primary screen.
    void ShowCentred();

    // The controls by their names, for the window tests.
    QLineEdit* 编辑框1() const { return edit1_; }
    QPlainTextEdit* 编辑框2() const { return edit2_; }
    QPushButton* 按钮1() const { return button1_; }
    QPlainTextEdit* 编辑框3() const { return edit3_; }
    QLabel* 标签1() const { return label1_; }
    QLabel* 标签2() const { return label2_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SubmitClicked();
    QPlainTextEdit* MultiLineBox(Box box) const;

    SubmitHandler onSubmit_;
    QLabel* label1_;
    QLineEdit* edit1_;
    QLabel* label2_;
    QPlainTextEdit* edit2_;
    QPushButton* button1_;
    QPlainTextEdit* edit3_;
    bool commandRunning_ = false;
    bool destroyed_ = false;
};

}  // namespace urlpush
