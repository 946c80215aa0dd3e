// The engine on Windows: skins every window of the calling thread, those that exist at the
// attach and those created later (a CBT hook sees each creation, message boxes included).
// Frames get the skin's face, labels its text colour, push buttons are drawn here with
// hover and pressed states, and bordered edit boxes get the skin's border. A control whose
// parent answers its colour message with colours of its own keeps them.
#include <windows.h>
#include <commctrl.h>

#include "engine/skin_engine_api.h"
#include "engine/skin_format.h"

namespace urlpush::engine {
namespace {

constexpr UINT_PTR kSubclassId = 0x55534B4E;
constexpr const wchar_t* kHoverProperty = L"urlpush.skin.hover";
constexpr const wchar_t* kOwnColoursProperty = L"urlpush.skin.own";

enum class Kind : DWORD_PTR { Other, Frame, PushButton, Edit };

// GDI objects made from the attached skin; owned, deleted on detach.
struct Paint {
    SkinTheme theme;
    HBRUSH face = nullptr, editBase = nullptr;

    Paint() = default;
    Paint(const Paint&) = delete;
    Paint& operator=(const Paint&) = delete;
    ~Paint() {
        if (face) DeleteObject(face);
        if (editBase) DeleteObject(editBase);
    }
    [[nodiscard]] COLORREF Ref(ColourName name) const {
        const Colour c = theme.Get(name);
        return RGB(c.red, c.green, c.blue);
    }
};

struct State {
    Paint* paint = nullptr;
    HHOOK hook = nullptr;
};
State state;

bool ClassIs(HWND window, const wchar_t* name) {
    wchar_t buffer[64] = {};
    GetClassNameW(window, buffer, 64);
    return lstrcmpiW(buffer, name) == 0;
}

Kind KindOf(HWND window) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (ClassIs(window, L"Button")) {
        const LONG_PTR type = style & BS_TYPEMASK;
        return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON ? Kind::PushButton : Kind::Other;
    }
    if (ClassIs(window, L"Edit")) return Kind::Edit;
    if (!(style & WS_CHILD) || ClassIs(window, L"#32770")) return Kind::Frame;
    return Kind::Other;
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The default answers to the colour messages: an answer other than these is the program's.
bool IsDefaultBrush(LRESULT brush) {
    return brush == 0 || brush == reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)) ||
           brush == reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)) ||
           brush == reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
}

LRESULT FrameMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Paint& paint = *state.paint;
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, paint.face);
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT: {
            const LRESULT own = DefSubclassProc(window, message, wParam, lParam);
            const HWND control = reinterpret_cast<HWND>(lParam);
            if (!IsDefaultBrush(own)) {
                SetPropW(control, kOwnColoursProperty, reinterpret_cast<HANDLE>(1));
                return own;
            }
            const HDC dc = reinterpret_cast<HDC>(wParam);
            if (message == WM_CTLCOLOREDIT) {
                SetTextColor(dc, paint.Ref(ColourName::EditText));
                SetBkColor(dc, paint.Ref(ColourName::EditBase));
                return reinterpret_cast<LRESULT>(paint.editBase);
            }
            SetTextColor(dc, paint.Ref(ColourName::WindowText));
            SetBkColor(dc, paint.Ref(ColourName::WindowFace));
            return reinterpret_cast<LRESULT>(paint.face);
        }
        default:
            return DefSubclassProc(window, message, wParam, lParam);
    }
}

void DrawPushButton(HWND button, HDC dc) {
    const Paint& paint = *state.paint;
    RECT area;
    GetClientRect(button, &area);
    FillRect(dc, &area, paint.face);

    const bool pressed = (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    const bool hover = GetPropW(button, kHoverProperty) != nullptr;
    const bool enabled = IsWindowEnabled(button) != FALSE;
    const ColourName faceName = pressed ? ColourName::ButtonFacePressed
                                : hover ? ColourName::ButtonFaceHover
                                        : ColourName::ButtonFace;
    const bool focused = GetFocus() == button;
    const int width = paint.theme.Get(MetricName::BorderWidth);
    const int round = paint.theme.Get(MetricName::CornerRadius) * 2;

    const HBRUSH face = CreateSolidBrush(paint.Ref(faceName));
    const HPEN pen = width > 0 ? CreatePen(PS_SOLID, width,
                                           paint.Ref(focused ? ColourName::EditBorderFocus
                                                             : ColourName::ButtonBorder))
                               : static_cast<HPEN>(GetStockObject(NULL_PEN));
    const HGDIOBJ oldBrush = SelectObject(dc, face);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    RoundRect(dc, area.left, area.top, area.right, area.bottom, round, round);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(face);
    if (width > 0) DeleteObject(pen);

    wchar_t text[256] = {};
    GetWindowTextW(button, text, 256);
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? paint.Ref(ColourName::ButtonText) : GetSysColor(COLOR_GRAYTEXT));
    RECT label = area;
    if (pressed) OffsetRect(&label, 1, 1);
    DrawTextW(dc, text, -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}

LRESULT PushButtonMessage(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(button, &ps);
            DrawPushButton(button, dc);
            EndPaint(button, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            DrawPushButton(button, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (GetPropW(button, kHoverProperty) == nullptr) {
                SetPropW(button, kHoverProperty, reinterpret_cast<HANDLE>(1));
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
                TrackMouseEvent(&track);
                InvalidateRect(button, nullptr, FALSE);
            }
            break;
        case WM_MOUSELEAVE:
            RemovePropW(button, kHoverProperty);
            InvalidateRect(button, nullptr, FALSE);
            break;
        default:
            break;
    }
    const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
    // The button's own code paints at once on these; draw the skin over it.
    switch (message) {
        case BM_SETSTATE: case BM_SETSTYLE: case BM_SETCHECK: case WM_SETFOCUS:
        case WM_KILLFOCUS: case WM_ENABLE: case WM_SETTEXT: case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_KEYDOWN: case WM_KEYUP:
        case WM_CAPTURECHANGED: case WM_UPDATEUISTATE:
            InvalidateRect(button, nullptr, FALSE);
            UpdateWindow(button);
            break;
        default:
            break;
    }
    return result;
}

// Draws the skin's border over the edge the edit box's own frame painting left.
void DrawEditBorder(HWND edit) {
    const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
    const LONG_PTR extended = GetWindowLongPtrW(edit, GWL_EXSTYLE);
    const bool clientEdge = (extended & WS_EX_CLIENTEDGE) != 0;
    if (!clientEdge && !(style & WS_BORDER)) return;
    if (GetPropW(edit, kOwnColoursProperty) != nullptr) return;
    const Paint& paint = *state.paint;
    RECT frame;
    GetWindowRect(edit, &frame);
    OffsetRect(&frame, -frame.left, -frame.top);
    const HDC dc = GetWindowDC(edit);
    const HBRUSH border = CreateSolidBrush(
        paint.Ref(GetFocus() == edit ? ColourName::EditBorderFocus : ColourName::EditBorder));
    FrameRect(dc, &frame, border);
    if (clientEdge) {
        InflateRect(&frame, -1, -1);
        FrameRect(dc, &frame, paint.editBase);
    }
    DeleteObject(border);
    ReleaseDC(edit, dc);
}

LRESULT EditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    switch (message) {
        case WM_NCPAINT:
            DrawEditBorder(edit);
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            DrawEditBorder(edit);
            break;
        default:
            break;
    }
    return result;
}

void Unskin(HWND window) {
    RemoveWindowSubclass(window, nullptr, kSubclassId);
    RemovePropW(window, kHoverProperty);
    RemovePropW(window, kOwnColoursProperty);
}

LRESULT CALLBACK SkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          UINT_PTR /*id*/, DWORD_PTR kind) {
    if (message == WM_NCDESTROY || state.paint == nullptr) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        Unskin(window);
        return result;
    }
    switch (static_cast<Kind>(kind)) {
        case Kind::Frame:
            return FrameMessage(window, message, wParam, lParam);
        case Kind::PushButton:
            return PushButtonMessage(window, message, wParam, lParam);
        case Kind::Edit:
            return EditMessage(window, message, wParam, lParam);
        case Kind::Other:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void Skin(HWND window) {
    const Kind kind = KindOf(window);
    if (kind != Kind::Other) {
        SetWindowSubclass(window, SkinProc, kSubclassId, static_cast<DWORD_PTR>(kind));
    }
}

BOOL CALLBACK SkinChild(HWND child, LPARAM) {
    Skin(child);
    return TRUE;
}

BOOL CALLBACK SkinTopLevel(HWND window, LPARAM) {
    Skin(window);
    EnumChildWindows(window, SkinChild, 0);
    Repaint(window);
    return TRUE;
}

BOOL CALLBACK UnskinChild(HWND child, LPARAM) {
    Unskin(child);
    return TRUE;
}

BOOL CALLBACK UnskinTopLevel(HWND window, LPARAM) {
    Unskin(window);
    EnumChildWindows(window, UnskinChild, 0);
    Repaint(window);
    return TRUE;
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    // The class and style are settled when the hook hears of the creation; WM_CREATE and
    // all later messages already pass through the skin.
    if (code == HCBT_CREATEWND && state.paint != nullptr) Skin(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(state.hook, code, wParam, lParam);
}

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&WatchCreation), &module);
    return module;
}

void Detach() {
    if (state.hook) UnhookWindowsHookEx(state.hook);
    state.hook = nullptr;
    Paint* paint = state.paint;
    state.paint = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), UnskinTopLevel, 0);
    delete paint;
}

}  // namespace
}  // namespace urlpush::engine

using namespace urlpush::engine;

extern "C" int __stdcall SkinH_AttachRes(const unsigned char* skin,
                                                                int length, const char* /*text*/,
                                                                int /*first*/, int /*second*/,
                                                                int /*third*/) {
    SkinTheme theme;
    const SkinError error = ReadSkin(skin, length, theme);
    if (error != SkinError::None) return static_cast<int>(error);

    Detach();  // a second attach replaces the first
    auto* paint = new Paint;
    paint->theme = theme;
    paint->face = CreateSolidBrush(paint->Ref(ColourName::WindowFace));
    paint->editBase = CreateSolidBrush(paint->Ref(ColourName::EditBase));
    state.paint = paint;
    state.hook = SetWindowsHookExW(WH_CBT, WatchCreation, ThisModule(), GetCurrentThreadId());
    EnumThreadWindows(GetCurrentThreadId(), SkinTopLevel, 0);
    return 0;
}

extern "C" int __stdcall SkinH_Detach() {
    Detach();
    return 0;
}
