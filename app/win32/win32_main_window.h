// MainWindow on Win32: a fixed-frame top-level window with its six controls, the keys and
// focus rules, and the window services over the edit boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/main_window.h"
#include "app/win32/win32_controls.h"

namespace urlpush::win32 {

// Owns a top-level window: destroyed with the owner unless it is gone already.
struct WindowDestroyer {
    void operator()(HWND hwnd) const { DestroyWindow(hwnd); }
};
using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

class Win32MainWindow final : public MainWindow {
public:
    using SubmitHandler = std::function<void(WindowServices&)>;

    // Builds the window hidden, centred on the primary screen; no handler runs meanwhile.
    explicit Win32MainWindow(SubmitHandler onSubmit);
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;
    ~Win32MainWindow() override;

    [[nodiscard]] Text BoxText(Box box) override;
    void AppendText(Box box, std::string_view text) override;
    void ShowMessage(std::string_view text, std::string_view title) override;
    void SetBoxText(Box box, std::string_view text) override;

    void Show();
    // The window's own handling of a message taken from the queue, before the usual
    // translate and dispatch: Esc, Enter, Tab and Shift+Tab. True when it was handled.
    [[nodiscard]] bool PreTranslate(MSG& msg);
    // False once the window has been destroyed.
    [[nodiscard]] bool IsOpen() const { return hwnd_ != nullptr; }

    [[nodiscard]] HWND hwnd() const { return hwnd_.get(); }
    [[nodiscard]] HWND 编辑框1() const { return edit1_->hwnd(); }
    [[nodiscard]] HWND 编辑框2() const { return edit2_->hwnd(); }
    [[nodiscard]] HWND 按钮1() const { return button1_->hwnd(); }
    [[nodiscard]] HWND 编辑框3() const { return edit3_->hwnd(); }
    [[nodiscard]] HWND 标签1() const { return label1_->hwnd(); }
    [[nodiscard]] HWND 标签2() const { return label2_->hwnd(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Command(int id, int code);
    void SubmitClicked();
    [[nodiscard]] EditBox& EditFor(Box box) const;
    [[nodiscard]] bool IsOurs(HWND hwnd) const;

    SubmitHandler onSubmit_;
    WindowHandle hwnd_;
    std::unique_ptr<Label> label1_;
    std::unique_ptr<EditBox> edit1_;
    std::unique_ptr<Label> label2_;
    std::unique_ptr<EditBox> edit2_;
    std::unique_ptr<Button> button1_;
    std::unique_ptr<EditBox> edit3_;
    HWND lastFocus_ = nullptr;
    bool building_ = true;
    bool commandRunning_ = false;
};

}  // namespace urlpush::win32
