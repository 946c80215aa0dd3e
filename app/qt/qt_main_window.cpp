// MainWindow on Qt. Positions are client-area pixels; the outer size of 754 x 427 includes
// the frame the window manager adds, so the client size is fixed once the frame is known.
#include "app/qt/qt_main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <limits>

#include "app/qt/qt_text.h"
#include "app/window_events.h"
#include "app/window_layout.h"

namespace urlpush {
namespace {

void Place(QWidget* widget, const layout::Control& control) {
    widget->setGeometry(control.left, control.top, control.width, control.height);
}

// The selection highlight shows only while the box has the focus, as in an edit control.
void HideInactiveSelection(QWidget* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Inactive, QPalette::Text));
    box->setPalette(palette);
}

QPlainTextEdit* MakeMultiLineBox(QWidget* parent, const layout::Control& control) {
    auto* box = new QPlainTextEdit(parent);
    Place(box, control);
    box->setTabChangesFocus(true);  // Tab moves on; it never inserts a tab character
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::InputMethod:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

}  // namespace

QtMainWindow::QtMainWindow(SubmitHandler onSubmit)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                  Qt::WindowCloseButtonHint),
      onSubmit_(std::move(onSubmit)) {
    setWindowTitle(ToQString(layout::kTitle));
    setFixedSize(layout::kOuterWidth, layout::kOuterHeight);
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    label1_ = new QLabel(ToQString(layout::标签1.text), this);
    Place(label1_, layout::标签1);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    edit1_ = new QLineEdit(this);
    Place(edit1_, layout::编辑框1);
    edit1_->setMaxLength(std::numeric_limits<int>::max());
    HideInactiveSelection(edit1_);

    label2_ = new QLabel(ToQString(layout::标签2.text), this);
    Place(label2_, layout::标签2);
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    edit2_ = MakeMultiLineBox(this, layout::编辑框2);
    HideInactiveSelection(edit2_);

    button1_ = new QPushButton(ToQString(layout::按钮1.text), this);
    Place(button1_, layout::按钮1);
    button1_->setAutoDefault(false);  // Enter never presses it
    button1_->setDefault(false);
    button1_->setFocusPolicy(Qt::StrongFocus);

    edit3_ = MakeMultiLineBox(this, layout::编辑框3);
    edit3_->setFrameShape(QFrame::NoFrame);
    QPalette log = edit3_->palette();
    const QColor green(layout::kLogTextRed, layout::kLogTextGreen, layout::kLogTextBlue);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        log.setColor(group, QPalette::Base, Qt::black);
        log.setColor(group, QPalette::Text, green);
    }
    edit3_->setPalette(log);
    HideInactiveSelection(edit3_);

    setTabOrder(edit1_, edit2_);
    setTabOrder(edit2_, button1_);
    setTabOrder(button1_, edit3_);
    setTabOrder(edit3_, edit1_);

    // Esc closes the window from any control, exactly as the close box does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // The handlers are wired last: nothing raised while building reaches them.
    connect(edit1_, &QLineEdit::textChanged, this, [this] { OnInterfaceTextChanged(*this); });
    connect(button1_, &QPushButton::clicked, this, [this] { SubmitClicked(); });
    qApp->installEventFilter(this);
}

QtMainWindow::~QtMainWindow() { qApp->removeEventFilter(this); }

void QtMainWindow::ShowCentred() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const layout::Origin origin = layout::CentredOrigin(screen.width(), screen.height());
    move(screen.left() + origin.left, screen.top() + origin.top);
    edit1_->setFocus();
    show();
    // The window manager's frame is known only now: the outer size stays 754 x 427.
    const QSize frame = frameGeometry().size() - size();
    if (!frame.isEmpty()) {
        setFixedSize(layout::kOuterWidth - frame.width(), layout::kOuterHeight - frame.height());
        move(screen.left() + origin.left, screen.top() + origin.top);
    }
}

QPlainTextEdit* QtMainWindow::MultiLineBox(Box box) const {
    return box == Box::编辑框2 ? edit2_ : edit3_;
}

Text QtMainWindow::BoxText(Box box) {
    if (box == Box::编辑框1) return FromQString(edit1_->text());
    return FromBoxLines(MultiLineBox(box)->toPlainText());
}

void QtMainWindow::SetBoxText(Box box, std::string_view text) {
    if (box == Box::编辑框1) {
        const QSignalBlocker quiet(edit1_);  // the box's own notification is not the event
        edit1_->setText(ToQString(text));
    } else {
        QPlainTextEdit* target = MultiLineBox(box);
        const QSignalBlocker quiet(target);
        target->setPlainText(ToBoxLines(text));
    }
    if (box == Box::编辑框1) OnInterfaceTextChanged(*this);  // the one event of this set
}

void QtMainWindow::AppendText(Box box, std::string_view text) {
    if (box == Box::编辑框1) {
        edit1_->end(false);
        edit1_->insert(ToQString(text));
        return;
    }
    QPlainTextEdit* target = MultiLineBox(box);
    QTextCursor cursor(target->document());
    cursor.movePosition(QTextCursor::End);
    target->setTextCursor(cursor);  // drops the user's selection
    // Turning undo off for the insert keeps it out of the undo history.
    target->document()->setUndoRedoEnabled(false);
    cursor.insertText(ToBoxLines(text));
    target->document()->setUndoRedoEnabled(true);
    target->setTextCursor(cursor);
    target->ensureCursorVisible();
    target->verticalScrollBar()->setValue(target->verticalScrollBar()->maximum());
    // The text shows at once, also in the middle of a long command.
    target->repaint();
}

void QtMainWindow::ShowMessage(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(title), ToQString(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    // The box is a modal loop of its own: input reaches it, while the main window stays shut.
    const bool running = commandRunning_;
    commandRunning_ = false;
    box.exec();
    commandRunning_ = running;
}

void QtMainWindow::SubmitClicked() {
    if (commandRunning_) return;
    commandRunning_ = true;
    if (onSubmit_) onSubmit_(*this);
    // Input that arrived while the command ran is taken from the queue and dropped.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    commandRunning_ = false;
}

bool QtMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (commandRunning_ && IsUserInput(event->type()) && watched->isWidgetType()) {
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
    if (!destroyed_) {
        destroyed_ = true;
        OnWindowDestroying(*this);
    }
    event->accept();
}

}  // namespace urlpush
