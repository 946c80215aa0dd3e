// The control wrappers. Every control gets the system's default GUI font; the parent
// window destroys the controls with itself.
#include "app/win32/win32_controls.h"

#include "text/encoding.h"

namespace urlpush::win32 {
namespace {

HWND MakeControl(const CreateArgs& args, const wchar_t* windowClass, DWORD style, DWORD exStyle) {
    const std::wstring text = GbkToWide(args.place.text);
    HWND hwnd = CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                args.place.left, args.place.top, args.place.width,
                                args.place.height, args.parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return hwnd;
}

}  // namespace

Label::Label(const CreateArgs& args) : hwnd_(MakeControl(args, L"STATIC", SS_LEFT, 0)) {}

EditBox::EditBox(const CreateArgs& args, Style style) : id_(args.id) {
    DWORD flags = WS_TABSTOP | ES_LEFT;
    if (style.multiLine)
        flags |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;  // wraps: no hscroll
    else
        flags |= ES_AUTOHSCROLL;
    hwnd_ = MakeControl(args, L"EDIT", flags, style.border ? WS_EX_CLIENTEDGE : 0);
    SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);  // 0: as long as the control allows
}

Text EditBox::GetText() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int read = GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(read < 0 ? 0 : read));
    return WideToGbk(text);
}

void EditBox::SetText(std::string_view text) {
    const std::wstring wide = GbkToWide(text);
    setting_ = true;
    SetWindowTextW(hwnd_, wide.c_str());
    setting_ = false;
    SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(id_, EN_CHANGE),
                 reinterpret_cast<LPARAM>(hwnd_));
}

void EditBox::AppendText(std::string_view text) {
    const std::wstring wide = GbkToWide(text);
    const int length = GetWindowTextLengthW(hwnd_);
    SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
    SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

void EditBox::Changed() {
    if (!setting_ && onTextChanged) onTextChanged();
}

Button::Button(const CreateArgs& args)
    : hwnd_(MakeControl(args, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0)) {}

void Button::Clicked() {
    if (onClick) onClick();
}

}  // namespace urlpush::win32
