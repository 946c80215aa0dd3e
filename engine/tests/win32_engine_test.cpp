// The engine on Windows, written out and loaded as the program does it, on real windows of
// this thread: the colours it answers with, the buttons it paints, windows created after
// the attach, a control with colours of its own, and the state after the detach.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "resources/carried_resources.h"
#include "skin/skin_library.h"

namespace urlpush {
namespace {

namespace fs = std::filesystem;

constexpr COLORREF kFace = RGB(0xF3, 0xF5, 0xF8), kButtonFace = RGB(0x3D, 0x7C, 0xC9),
                   kEditBase = RGB(0xFF, 0xFF, 0xFF);
constexpr int kOwnColoursId = 3;

HBRUSH OwnBrush() {
    static const HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    return black;
}

// Answers the colour message of the control kOwnColoursId with its own black; the
// rest goes to the default.
LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLOREDIT &&
        GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kOwnColoursId) {
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 255, 0));
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(OwnBrush());
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct Frame {
    HWND frame, label, button, edit, ownEdit;

    Frame() {
        static const ATOM registered = [] {
            WNDCLASSW frameClass{};
            frameClass.lpfnWndProc = FrameProc;
            frameClass.hInstance = GetModuleHandleW(nullptr);
            frameClass.lpszClassName = L"SkinTestFrame";
            frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            return RegisterClassW(&frameClass);
        }();
        (void)registered;
        frame = CreateWindowExW(0, L"SkinTestFrame", L"skin", WS_OVERLAPPEDWINDOW, 0, 0, 320, 200,
                                nullptr, nullptr, nullptr, nullptr);
        label = Child(0, L"Static", L"label", 0, 1, 10, 10);
        button = Child(0, L"Button", L"Submit", BS_PUSHBUTTON, 2, 200, 10);
        ownEdit = Child(WS_EX_CLIENTEDGE, L"Edit", L"", 0, kOwnColoursId, 10, 80);
        edit = Child(WS_EX_CLIENTEDGE, L"Edit", L"", 0, 4, 10, 40);
        ShowWindow(frame, SW_SHOW);
    }
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;
    ~Frame() { DestroyWindow(frame); }

    HWND Child(DWORD extended, const wchar_t* kind, const wchar_t* text, DWORD style, int id,
               int left, int top) const {
        return CreateWindowExW(extended, kind, text, WS_CHILD | WS_VISIBLE | style, left, top,
                               90, 28, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               nullptr, nullptr);
    }

    // The brush the frame answers a control's colour message with.
    [[nodiscard]] HBRUSH ColourAnswer(UINT message, HWND control) const {
        const HDC dc = GetDC(control);
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(frame, message, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control)));
        ReleaseDC(control, dc);
        return brush;
    }
};

COLORREF ColourOf(HBRUSH brush) {
    LOGBRUSH described{};
    GetObjectW(brush, sizeof described, &described);
    return described.lbColor;
}

// A pixel of what the button paints when asked to print its client area.
COLORREF ButtonPixel(HWND button, int x, int y) {
    RECT area;
    GetClientRect(button, &area);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const COLORREF pixel = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixel;
}

class Win32Engine : public testing::Test {
  protected:
    void SetUp() override {
        original_ = fs::current_path();
        root_ = fs::temp_directory_path() /
                ("urlpush-engine-" + std::to_string(std::random_device()()));
        fs::create_directories(root_);
        fs::current_path(root_);
        InstallSkinLibrary();  // the carried engine, written as jedata.dll here
    }
    void TearDown() override {
        DetachSkin();
        fs::current_path(original_);
        std::error_code ignored;  // the loaded jedata.dll refuses
        fs::remove_all(root_, ignored);
    }

  private:
    fs::path original_, root_;
};

TEST_F(Win32Engine, SkinsTheWindowAndLeavesOwnColoursAlone) {
    Frame window;
    EXPECT_EQ(window.ColourAnswer(WM_CTLCOLORSTATIC, window.label), GetSysColorBrush(COLOR_BTNFACE));

    ASSERT_TRUE(AttachSkinData(CarriedSkin(), "", 0, 0, 0));
    EXPECT_EQ(ColourOf(window.ColourAnswer(WM_CTLCOLORSTATIC, window.label)), kFace);
    EXPECT_EQ(ColourOf(window.ColourAnswer(WM_CTLCOLOREDIT, window.edit)), kEditBase);
    EXPECT_EQ(window.ColourAnswer(WM_CTLCOLOREDIT, window.ownEdit), OwnBrush());
    EXPECT_EQ(ButtonPixel(window.button, 6, 14), kButtonFace);

    DetachSkin();
    EXPECT_EQ(window.ColourAnswer(WM_CTLCOLORSTATIC, window.label), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_NE(ButtonPixel(window.button, 6, 14), kButtonFace);
    EXPECT_EQ(window.ColourAnswer(WM_CTLCOLOREDIT, window.ownEdit), OwnBrush());
}

TEST_F(Win32Engine, WindowsCreatedLaterAreSkinnedToo) {
    ASSERT_TRUE(AttachSkinData(CarriedSkin(), "", 0, 0, 0));
    Frame later;  // as a message box comes up after the attach
    EXPECT_EQ(ColourOf(later.ColourAnswer(WM_CTLCOLORSTATIC, later.label)), kFace);
    EXPECT_EQ(ButtonPixel(later.button, 6, 14), kButtonFace);
}

TEST_F(Win32Engine, DataThatIsNoSkinIsRefusedAndChangesNothing) {
    Frame window;
    EXPECT_FALSE(AttachSkinData(".SHE 2\n.END\n", "", 0, 0, 0));
    EXPECT_FALSE(AttachSkinData(CarriedSkin().substr(0, 40), "", 0, 0, 0));
    EXPECT_EQ(window.ColourAnswer(WM_CTLCOLORSTATIC, window.label), GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace
}  // namespace urlpush
