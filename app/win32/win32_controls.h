// One small wrapper per kind of Win32 control: created from a CreateArgs struct, texts in
// and out as the program's GBK through the W functions, and named callbacks that the
// window procedure calls when the control notifies its parent.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "app/window_layout.h"
#include "text/text.h"

namespace urlpush::win32 {

struct CreateArgs {
    HWND parent;
    int id;
    layout::Control place;
};

class Label {
public:
    explicit Label(const CreateArgs& args);
    [[nodiscard]] HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

class EditBox {
public:
    struct Style {
        bool multiLine = false;
        bool border = true;
    };
    EditBox(const CreateArgs& args, Style style);
    [[nodiscard]] HWND hwnd() const { return hwnd_; }
    [[nodiscard]] int id() const { return id_; }

    [[nodiscard]] Text GetText() const;
    // Replaces the text; the edit control's own change notification is ignored, and then
    // exactly one is delivered, whether or not the text changed.
    void SetText(std::string_view text);
    // The text at the end: selection dropped, caret after it, scrolled there, no undo.
    void AppendText(std::string_view text);

    // EN_CHANGE from the control, as the parent's WM_COMMAND hands it over.
    void Changed();
    std::function<void()> onTextChanged;

private:
    HWND hwnd_;
    int id_;
    bool setting_ = false;
};

class Button {
public:
    explicit Button(const CreateArgs& args);
    [[nodiscard]] HWND hwnd() const { return hwnd_; }
    void Clicked();
    std::function<void()> onClick;

private:
    HWND hwnd_;
};

}  // namespace urlpush::win32
