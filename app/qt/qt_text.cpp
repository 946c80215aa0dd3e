// GBK <-> QString through text/encoding, and the line-break mapping of multi-line boxes.
#include "app/qt/qt_text.h"

#include "text/encoding.h"

namespace urlpush {

QString ToQString(std::string_view gbk) {
    const std::string utf8 = GbkToUtf8(gbk);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Text FromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToGbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString ToBoxLines(std::string_view gbk) {
    QString text = ToQString(gbk);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

Text FromBoxLines(const QString& text) {
    const Text gbk = FromQString(text);
    Text lines;
    lines.reserve(gbk.size() + gbk.size() / 16);
    for (const char ch : gbk) {
        if (ch == '\n') lines.push_back('\r');
        lines.push_back(ch);
    }
    return lines;
}

}  // namespace urlpush
