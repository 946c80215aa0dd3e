// The engine on Linux: applies a skin to the running QApplication as a style sheet, and
// takes it off again. Widgets that carry colours of their own are left alone. Only the
// style sheet is used: Qt gives each widget its own palette back when the sheet goes.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QWidget>

#include "engine/skin_engine_api.h"
#include "engine/skin_format.h"

namespace urlpush::engine {
namespace {

// The dynamic property that tells the style sheet which part a widget plays.
constexpr const char* kRole = "urlpushSkinRole";

QColor ToQColor(Colour colour) { return QColor(colour.red, colour.green, colour.blue); }
QString Css(const SkinTheme& theme, ColourName name) { return ToQColor(theme.Get(name)).name(); }

bool OwnsColour(const QWidget* widget, QPalette::ColorRole role) {
    return widget->testAttribute(Qt::WA_SetPalette) &&
           widget->palette().isBrushSet(QPalette::Active, role);
}

// "face" for windows and dialogs, "edit" and "button" for those controls that keep no
// colours of their own, nothing for the rest.
QString RoleOf(const QWidget* widget) {
    if (widget->isWindow()) return QStringLiteral("face");
    const bool edit = qobject_cast<const QLineEdit*>(widget) ||
                      qobject_cast<const QPlainTextEdit*>(widget) ||
                      qobject_cast<const QTextEdit*>(widget);
    if (edit && !OwnsColour(widget, QPalette::Base)) return QStringLiteral("edit");
    if (qobject_cast<const QPushButton*>(widget) && !OwnsColour(widget, QPalette::Button)) {
        return QStringLiteral("button");
    }
    return {};
}

QString StyleSheetOf(const SkinTheme& theme) {
    const int radius = theme.Get(MetricName::CornerRadius);
    const int border = theme.Get(MetricName::BorderWidth);
    return QStringLiteral(
               "[urlpushSkinRole=\"face\"] { background-color: %1; }\n"
               "QLabel { color: %2; background: transparent; }\n"
               "[urlpushSkinRole=\"edit\"] { border: %3px solid %4; border-radius: %5px;"
               " background-color: %6; color: %7; padding: 2px; }\n"
               "[urlpushSkinRole=\"edit\"]:focus { border-color: %8; }\n"
               // Only the active colour group: a box may hide its inactive selection.
               "[urlpushSkinRole=\"edit\"]:active { selection-background-color: %14;"
               " selection-color: %15; }\n"
               "[urlpushSkinRole=\"button\"] { border: %3px solid %9; border-radius: %5px;"
               " background-color: %10; color: %11; padding: 4px 14px; }\n"
               "[urlpushSkinRole=\"button\"]:hover { background-color: %12; }\n"
               "[urlpushSkinRole=\"button\"]:pressed { background-color: %13; }\n"
               "[urlpushSkinRole=\"button\"]:focus { border-color: %8; }\n")
        .arg(Css(theme, ColourName::WindowFace), Css(theme, ColourName::WindowText))
        .arg(border)
        .arg(Css(theme, ColourName::EditBorder))
        .arg(radius)
        .arg(Css(theme, ColourName::EditBase), Css(theme, ColourName::EditText),
             Css(theme, ColourName::EditBorderFocus), Css(theme, ColourName::ButtonBorder),
             Css(theme, ColourName::ButtonFace), Css(theme, ColourName::ButtonText),
             Css(theme, ColourName::ButtonFaceHover), Css(theme, ColourName::ButtonFacePressed))
        .arg(Css(theme, ColourName::EditSelection), Css(theme, ColourName::EditSelectionText));
}

void Mark(QWidget* widget) {
    const QString role = RoleOf(widget);
    if (widget->property(kRole).toString() == role) return;
    widget->setProperty(kRole, role.isEmpty() ? QVariant() : QVariant(role));
}

// Gives every widget polished while the skin is on its role, and polishes it again so
// that the style sheet's rule for the role takes hold.
class Marker : public QObject {
  public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Polish && object->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(object);
            const QVariant before = widget->property(kRole);
            Mark(widget);
            if (widget->property(kRole) != before) {
                widget->style()->unpolish(widget);
                widget->style()->polish(widget);
            }
        }
        return false;
    }
};

struct Attached {
    QString styleSheet;  // the application's before the attach
    QPointer<Marker> marker;
};

Attached*& Current() {
    static Attached* current = nullptr;
    return current;
}

void Restore() {
    Attached* attached = Current();
    if (attached == nullptr) return;
    Current() = nullptr;
    delete attached->marker.data();
    qApp->setStyleSheet(attached->styleSheet);
    for (QWidget* widget : QApplication::allWidgets()) widget->setProperty(kRole, QVariant());
    delete attached;
}

}  // namespace
}  // namespace urlpush::engine

using namespace urlpush::engine;

extern "C" Q_DECL_EXPORT int SkinH_AttachRes(const unsigned char* skin, int length,
                                             const char* /*text*/, int /*first*/,
                                             int /*second*/, int /*third*/) {
    SkinTheme theme;
    const SkinError error = ReadSkin(skin, length, theme);
    if (error != SkinError::None) return static_cast<int>(error);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return 5;

    Restore();  // a second attach replaces the first
    auto* attached = new Attached{qApp->styleSheet(), new Marker};
    Current() = attached;
    for (QWidget* widget : QApplication::allWidgets()) Mark(widget);
    qApp->installEventFilter(attached->marker);
    qApp->setStyleSheet(StyleSheetOf(theme));
    return 0;
}

extern "C" Q_DECL_EXPORT int SkinH_Detach() {
    if (QCoreApplication::instance() != nullptr) Restore();
    return 0;
}
