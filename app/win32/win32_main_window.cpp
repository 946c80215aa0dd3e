// MainWindow on Win32. The window procedure stays thin: it hands notifications to the
// control wrappers and the four events to the program's handlers.
#include "app/win32/win32_main_window.h"

#include "app/window_events.h"
#include "text/encoding.h"

namespace urlpush::win32 {
namespace {

constexpr wchar_t kClassName[] = L"UrlPushMainWindow";
enum ControlId { kLabel1 = 101, kEdit1, kLabel2, kEdit2, kButton1, kEdit3 };

void RegisterWindowClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassExW(&windowClass) != 0;
}

// Removes the keyboard and mouse input waiting in the thread's queue.
void DropQueuedInput() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
    while (PeekMessageW(&msg, nullptr, WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK, PM_REMOVE)) {
    }
}

}  // namespace

Win32MainWindow::Win32MainWindow(SubmitHandler onSubmit) : onSubmit_(std::move(onSubmit)) {
    RegisterWindowClass(&Win32MainWindow::WindowProc);
    const layout::Origin origin =
        layout::CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const std::wstring title = GbkToWide(layout::kTitle);
    const HWND hwnd = CreateWindowExW(
        0, kClassName, title.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        origin.left, origin.top, layout::kOuterWidth, layout::kOuterHeight, nullptr, nullptr,
        GetModuleHandleW(nullptr), this);
    hwnd_.reset(hwnd);
    if (!hwnd) return;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    // Creation order is the tab order: 编辑框1, 编辑框2, 按钮1, 编辑框3.
    label1_ = std::make_unique<Label>(CreateArgs{hwnd, kLabel1, layout::标签1});
    edit1_ = std::make_unique<EditBox>(CreateArgs{hwnd, kEdit1, layout::编辑框1}, EditBox::Style{});
    label2_ = std::make_unique<Label>(CreateArgs{hwnd, kLabel2, layout::标签2});
    edit2_ = std::make_unique<EditBox>(CreateArgs{hwnd, kEdit2, layout::编辑框2},
                                       EditBox::Style{.multiLine = true});
    button1_ = std::make_unique<Button>(CreateArgs{hwnd, kButton1, layout::按钮1});
    edit3_ = std::make_unique<EditBox>(CreateArgs{hwnd, kEdit3, layout::编辑框3},
                                       EditBox::Style{.multiLine = true, .border = false});
    edit1_->onTextChanged = [this] { OnInterfaceTextChanged(*this); };
    button1_->onClick = [this] { SubmitClicked(); };
    building_ = false;
}

Win32MainWindow::~Win32MainWindow() = default;

void Win32MainWindow::Show() {
    ShowWindow(hwnd_.get(), SW_SHOWNORMAL);
    UpdateWindow(hwnd_.get());
    SetForegroundWindow(hwnd_.get());
    SetFocus(lastFocus_ ? lastFocus_ : edit1_->hwnd());
}

LRESULT CALLBACK Win32MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || !self->hwnd_) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT Win32MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = hwnd_.get();
    switch (message) {
        case WM_COMMAND:
            if (!building_) Command(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLOREDIT:
            if (edit3_ && reinterpret_cast<HWND>(lParam) == edit3_->hwnd()) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, RGB(layout::kLogTextRed, layout::kLogTextGreen,
                                     layout::kLogTextBlue));
                SetBkColor(dc, RGB(0, 0, 0));
                return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
            }
            break;
        case WM_ACTIVATE:
            // Leaving: remember the focused control; coming back: it gets the focus again.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus && IsChild(hwnd, focus)) lastFocus_ = focus;
            } else if (edit1_) {
                SetFocus(lastFocus_ ? lastFocus_ : edit1_->hwnd());
            }
            return 0;
        case WM_SETFOCUS:
            if (edit1_) SetFocus(lastFocus_ ? lastFocus_ : edit1_->hwnd());
            return 0;
        case WM_CLOSE:
            if (commandRunning_) return 0;  // input made during a command is dropped
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            OnWindowDestroying(*this);  // the controls still exist here
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            (void)hwnd_.release();  // the system has destroyed it
            return DefWindowProcW(hwnd, message, wParam, lParam);
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32MainWindow::Command(int id, int code) {
    if (id == kEdit1 && code == EN_CHANGE) edit1_->Changed();
    if (id == kButton1 && code == BN_CLICKED) button1_->Clicked();
}

void Win32MainWindow::SubmitClicked() {
    if (commandRunning_ || !onSubmit_) return;
    commandRunning_ = true;
    onSubmit_(*this);
    DropQueuedInput();  // clicks and keys made while the command ran are not run afterwards
    commandRunning_ = false;
}

bool Win32MainWindow::IsOurs(HWND hwnd) const {
    return hwnd && hwnd_ && (hwnd == hwnd_.get() || IsChild(hwnd_.get(), hwnd));
}

bool Win32MainWindow::PreTranslate(MSG& msg) {
    if (!IsOurs(msg.hwnd)) return false;
    const bool key = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP;
    if (key && msg.wParam == VK_ESCAPE) {
        if (msg.message == WM_KEYDOWN) PostMessageW(hwnd_.get(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    // Tab and Shift+Tab move the focus from every control: a multi-line edit box outside a
    // dialog would insert the tab character itself.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
        const bool backward = GetKeyState(VK_SHIFT) < 0;
        const HWND from = GetFocus();
        if (const HWND next = GetNextDlgTabItem(hwnd_.get(), IsOurs(from) ? from : nullptr, backward))
            SetFocus(next);
        return true;
    }
    if ((msg.message == WM_CHAR || msg.message == WM_KEYUP) && msg.wParam == VK_TAB) return true;
    const bool multiLine = msg.hwnd == edit2_->hwnd() || msg.hwnd == edit3_->hwnd();
    const bool enter = (key && msg.wParam == VK_RETURN) ||
                       (msg.message == WM_CHAR && msg.wParam == L'\r');
    if (enter && !multiLine) return true;  // Enter presses nothing and moves nothing
    return IsDialogMessageW(hwnd_.get(), &msg) != 0;
}

EditBox& Win32MainWindow::EditFor(Box box) const {
    switch (box) {
        case Box::编辑框1:
            return *edit1_;
        case Box::编辑框2:
            return *edit2_;
        case Box::编辑框3:
            break;
    }
    return *edit3_;
}

Text Win32MainWindow::BoxText(Box box) { return EditFor(box).GetText(); }

void Win32MainWindow::SetBoxText(Box box, std::string_view text) { EditFor(box).SetText(text); }

void Win32MainWindow::AppendText(Box box, std::string_view text) {
    EditBox& edit = EditFor(box);
    edit.AppendText(text);
    UpdateWindow(edit.hwnd());  // shows at once, also in the middle of a long command
}

void Win32MainWindow::ShowMessage(std::string_view text, std::string_view title) {
    const std::wstring wideText = GbkToWide(text);
    const std::wstring wideTitle = GbkToWide(title);
    MessageBoxW(nullptr, wideText.c_str(), wideTitle.c_str(), MB_OK | MB_TASKMODAL);
}

}  // namespace urlpush::win32
