// The Win32 window driven in-process under Wine: keys and clicks are posted to the real
// controls and taken through the window's own message handling, then checked through
// what the boxes hold and what lands in Config.ini.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "app/tests/temp_directory.h"
#include "app/win32/win32_main_window.h"
#include "app/window_events.h"
#include "app/window_layout.h"

namespace urlpush::win32 {
namespace {

using testing_support::ReadFile;
using testing_support::TempDirectory;
using testing_support::WriteFile;

class Win32Window : public testing::Test {
protected:
    void SetUp() override {
        UseConfigDirectory(dir_.path().string());
        config_ = dir_.File("Config.ini");
    }
    void TearDown() override {
        window_.reset();
        Pump();
        UseConfigDirectory("");
    }

    void Start() {
        window_ = std::make_unique<Win32MainWindow>([this](WindowServices& w) {
            ++clicks_;
            if (onSubmit_) onSubmit_(w);
        });
        ASSERT_TRUE(window_->IsOpen());
        OnWindowCreated(*window_);
        window_->Show();
        Pump();
    }

    // Runs the queue empty the way the program's message loop does.
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit_ = true;
                continue;
            }
            if (window_ && window_->IsOpen() && window_->PreTranslate(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    static void SetShift(bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    // One key stroke to the control with the focus, as the keyboard delivers it.
    void Key(UINT vk, bool shift = false) {
        const HWND target = GetFocus();
        SetShift(shift);
        const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
        PostMessageW(target, WM_KEYDOWN, vk, static_cast<LPARAM>(1 | (scan << 16)));
        PostMessageW(target, WM_KEYUP, vk, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
        Pump();
        SetShift(false);
    }

    void Click(HWND target) {
        PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Pump();
    }

    TempDirectory dir_;
    std::string config_;
    std::unique_ptr<Win32MainWindow> window_;
    int clicks_ = 0;
    bool quit_ = false;
    std::function<void(WindowServices&)> onSubmit_;
};

TEST_F(Win32Window, FirstStartWithoutConfigCreatesEmptyKey) {
    Start();
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "");
    EXPECT_EQ(ReadFile(config_), "[Config]\r\nurl=\r\n");
    EXPECT_EQ(GetFocus(), window_->编辑框1());
}

TEST_F(Win32Window, StartShowsStoredAddressAndWritesItBack) {
    WriteFile(config_, "[A]\r\nk=1\r\n[Config]\r\nurl=http://push.example/u?t=\xCC\xE1\r\n");
    Start();
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "http://push.example/u?t=\xCC\xE1");
    wchar_t shown[64] = {};
    GetWindowTextW(window_->编辑框1(), shown, 64);
    EXPECT_STREQ(shown, L"http://push.example/u?t=\x63D0");  // 提 whatever the code page
    EXPECT_EQ(ReadFile(config_), "[A]\r\nk=1\r\n[Config]\r\nurl=http://push.example/u?t=\xCC\xE1\r\n");
}

TEST_F(Win32Window, EachKeystrokeIsOneWrite) {
    WriteFile(config_, "[A]\r\nk=1\r\n");
    Start();
    Key('A');
    EXPECT_EQ(ReadFile(config_), "[A]\r\nk=1\r\n[Config]\r\nurl=a\r\n");
    Key('B');
    EXPECT_EQ(ReadFile(config_), "[A]\r\nk=1\r\n[Config]\r\nurl=ab\r\n");
    Key(VK_BACK);
    Key(VK_BACK);
    EXPECT_EQ(ReadFile(config_), "[A]\r\nk=1\r\n[Config]\r\nurl=\r\n");
}

TEST_F(Win32Window, SetBoxTextRaisesOneEventEvenForTheSameText) {
    Start();
    ASSERT_TRUE(DeleteFileA(config_.c_str()));
    window_->SetBoxText(Box::编辑框1, "");
    EXPECT_EQ(ReadFile(config_), "[Config]\r\nurl=\r\n");
}

TEST_F(Win32Window, FailedWriteIsSilent) {
    WriteFile(config_, "[Config]\r\nurl=old\r\n");
    Start();
    // Another program holds the file open without sharing: the write cannot happen.
    const HANDLE held = CreateFileA(config_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Key(VK_END);
    Key('X');
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "oldx");
    CloseHandle(held);
    EXPECT_EQ(ReadFile(config_), "[Config]\r\nurl=old\r\n");
    EXPECT_TRUE(window_->IsOpen());
}

TEST_F(Win32Window, TabOrderBothWays) {
    Start();
    const HWND forward[] = {window_->编辑框2(), window_->按钮1(), window_->编辑框3(),
                            window_->编辑框1()};
    for (const HWND expected : forward) {
        Key(VK_TAB);
        EXPECT_EQ(GetFocus(), expected);
    }
    const HWND backward[] = {window_->编辑框3(), window_->按钮1(), window_->编辑框2(),
                             window_->编辑框1()};
    for (const HWND expected : backward) {
        Key(VK_TAB, true);
        EXPECT_EQ(GetFocus(), expected);
    }
    EXPECT_EQ(window_->BoxText(Box::编辑框2), "");  // no tab character was inserted
    EXPECT_EQ(window_->BoxText(Box::编辑框3), "");
}

TEST_F(Win32Window, EscFromTheUrlBoxClosesTheWindow) {
    Start();
    SetFocus(window_->编辑框2());
    Key(VK_ESCAPE);
    EXPECT_FALSE(window_->IsOpen());
    EXPECT_TRUE(quit_);
}

TEST_F(Win32Window, EnterBreaksLinesOnlyInTheMultiLineBoxes) {
    Start();
    Key('U');
    Key(VK_RETURN);
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "u");
    EXPECT_EQ(GetFocus(), window_->编辑框1());

    SetFocus(window_->按钮1());
    Key(VK_RETURN);
    EXPECT_EQ(clicks_, 0);
    EXPECT_EQ(GetFocus(), window_->按钮1());

    SetFocus(window_->编辑框2());
    Key('A');
    Key(VK_RETURN);
    Key('B');
    EXPECT_EQ(window_->BoxText(Box::编辑框2), "a\r\nb");
}

TEST_F(Win32Window, ButtonPressedBySpaceAndMouse) {
    Start();
    SetFocus(window_->按钮1());
    Key(VK_SPACE);
    EXPECT_EQ(clicks_, 1);
    Click(window_->按钮1());
    EXPECT_EQ(clicks_, 2);
}

TEST_F(Win32Window, AppendTextDropsTheSelectionAndLandsAtTheEnd) {
    Start();
    window_->SetBoxText(Box::编辑框3, "first\r\nsecond");
    SetFocus(window_->编辑框3());
    SendMessageW(window_->编辑框3(), EM_SETSEL, 2, 9);
    window_->AppendText(Box::编辑框3, "\r\n\xCC\xE1\xBD\xBB");
    EXPECT_EQ(window_->BoxText(Box::编辑框3), "first\r\nsecond\r\n\xCC\xE1\xBD\xBB");
    DWORD begin = 0, end = 0;
    SendMessageW(window_->编辑框3(), EM_GETSEL, reinterpret_cast<WPARAM>(&begin),
                 reinterpret_cast<LPARAM>(&end));
    const DWORD length = static_cast<DWORD>(GetWindowTextLengthW(window_->编辑框3()));
    EXPECT_EQ(begin, length);
    EXPECT_EQ(end, length);
    EXPECT_FALSE(SendMessageW(window_->编辑框3(), EM_CANUNDO, 0, 0));
}

TEST_F(Win32Window, InputDuringACommandIsDropped) {
    Start();
    onSubmit_ = [this](WindowServices& w) {
        // A person types and clicks again while the command runs.
        PostMessageW(window_->编辑框1(), WM_KEYDOWN, 'Z', 1);
        PostMessageW(window_->编辑框1(), WM_CHAR, 'z', 1);
        PostMessageW(window_->按钮1(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(window_->按钮1(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        w.AppendText(Box::编辑框3, "report\r\n");
    };
    Click(window_->按钮1());
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "");
    EXPECT_EQ(window_->BoxText(Box::编辑框3), "report\r\n");
    SetFocus(window_->编辑框1());
    Key('Q');  // input after the command counts again
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "q");
}

TEST_F(Win32Window, LayoutAsDescribed) {
    Start();
    wchar_t title[64] = {};
    GetWindowTextW(window_->hwnd(), title, 64);
    EXPECT_STREQ(title, L"Tavrelo By:Ormin");
    RECT outer{};
    GetWindowRect(window_->hwnd(), &outer);
    EXPECT_EQ(outer.right - outer.left, 754);
    EXPECT_EQ(outer.bottom - outer.top, 427);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 754) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 427) / 2);
    const LONG_PTR style = GetWindowLongPtrW(window_->hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    struct Expected {
        HWND hwnd;
        layout::Control control;
    };
    const Expected controls[] = {{window_->标签1(), layout::标签1},  {window_->编辑框1(), layout::编辑框1},
                                 {window_->标签2(), layout::标签2},  {window_->编辑框2(), layout::编辑框2},
                                 {window_->按钮1(), layout::按钮1}, {window_->编辑框3(), layout::编辑框3}};
    for (const Expected& e : controls) {
        RECT r{};
        GetWindowRect(e.hwnd, &r);
        MapWindowPoints(HWND_DESKTOP, window_->hwnd(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, e.control.left);
        EXPECT_EQ(r.top, e.control.top);
        EXPECT_EQ(r.right - r.left, e.control.width);
        EXPECT_EQ(r.bottom - r.top, e.control.height);
    }
    wchar_t caption[16] = {};
    GetWindowTextW(window_->按钮1(), caption, 16);
    EXPECT_STREQ(caption, L"\x63D0\x4EA4");  // 提交, also on a system of another code page
    EXPECT_FALSE(GetWindowLongPtrW(window_->编辑框3(), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongPtrW(window_->编辑框3(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    const HDC dc = GetDC(window_->编辑框3());
    SendMessageW(window_->hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(window_->编辑框3()));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 128, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 0));
    ReleaseDC(window_->编辑框3(), dc);
}

}  // namespace
}  // namespace urlpush::win32
