// The program's GBK texts at Qt's edge: QString holds UTF-16, a multi-line box holds "\n"
// where the program writes "\r\n".
#pragma once

#include <QString>
#include <string_view>

#include "text/text.h"

namespace urlpush {

[[nodiscard]] QString ToQString(std::string_view gbk);
[[nodiscard]] Text FromQString(const QString& text);

// A multi-line box's text: the program's "\r\n" is one line break in the box.
[[nodiscard]] QString ToBoxLines(std::string_view gbk);
// The box's line breaks come back as "\r\n", as a Windows edit box gives them.
[[nodiscard]] Text FromBoxLines(const QString& text);

}  // namespace urlpush
