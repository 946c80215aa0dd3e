// The Qt window driven as a person would, on the offscreen platform: keys, clicks and
// focus, checked through what the boxes show and what lands in Config.ini.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextCursor>
#include <memory>

#include "app/qt/qt_main_window.h"
#include "app/qt/qt_text.h"
#include "app/tests/qt_test_application.h"
#include "app/tests/temp_directory.h"
#include "app/window_events.h"
#include "app/window_layout.h"

namespace urlpush {
namespace {

using testing_support::AsOtherUser;
using testing_support::ReadFile;
using testing_support::TempDirectory;
using testing_support::WriteFile;

class QtWindow : public testing::Test {
  protected:
    void SetUp() override {
        UseConfigDirectory(dir_.path().string());
        config_ = dir_.File("Config.ini");
    }
    void TearDown() override { UseConfigDirectory(""); }

    // The start-up's window steps: built, created event, shown and activated.
    void Start() {
        window_ = std::make_unique<QtMainWindow>([this](WindowServices& w) {
            ++clicks_;
            if (onSubmit_) onSubmit_(w);
        });
        OnWindowCreated(*window_);
        window_->ShowCentred();
        QApplication::setActiveWindow(window_.get());
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    QWidget* Focus() const { return QApplication::focusWidget(); }

    TempDirectory dir_;
    std::string config_;
    std::unique_ptr<QtMainWindow> window_;
    int clicks_ = 0;
    std::function<void(WindowServices&)> onSubmit_;
};

TEST_F(QtWindow, FirstStartWithoutConfigCreatesEmptyKey) {
    Start();
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "");
    EXPECT_EQ(ReadFile(config_), "[Config]\r\nurl=\r\n");
    EXPECT_EQ(Focus(), window_->编辑框1());
}

TEST_F(QtWindow, StartShowsStoredAddressAndWritesItBack) {
    WriteFile(
        config_,
        "[A]\r\nk=1\r\n[Config]\r\nurl = http://push.example/u?t=\xE6\x8F\x90 \r\n");  // UTF-8 on
                                                                                       // disk
    Start();
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "http://push.example/u?t=\xCC\xE1");
    EXPECT_EQ(window_->编辑框1()->text(),
              QString::fromUtf8("http://push.example/u?t=\xE6\x8F\x90"));
    EXPECT_EQ(ReadFile(config_),
              "[A]\r\nk=1\r\n[Config]\r\nurl =http://push.example/u?t=\xE6\x8F\x90\r\n");
}

TEST_F(QtWindow, EachKeystrokeIsOneWrite) {
    WriteFile(config_, "[A]\r\nk=1\r\n");
    Start();
    QTest::keyClick(window_->编辑框1(), Qt::Key_A);
    EXPECT_EQ(ReadFile(config_), "[A]\r\nk=1\r\n[Config]\r\nurl=a\r\n");
    QTest::keyClick(window_->编辑框1(), Qt::Key_B);
    EXPECT_EQ(ReadFile(config_), "[A]\r\nk=1\r\n[Config]\r\nurl=ab\r\n");
    QTest::keyClick(window_->编辑框1(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window_->编辑框1(), Qt::Key_Backspace);
    EXPECT_EQ(ReadFile(config_), "[A]\r\nk=1\r\n[Config]\r\nurl=\r\n");
}

TEST_F(QtWindow, SetBoxTextRaisesOneEventEvenForTheSameText) {
    Start();
    std::filesystem::remove(config_);
    window_->SetBoxText(Box::编辑框1, "");  // unchanged text, still written
    EXPECT_EQ(ReadFile(config_), "[Config]\r\nurl=\r\n");
}

TEST_F(QtWindow, ReadOnlyDirectoryIsSilent) {
    WriteFile(config_, "[Config]\r\nurl=old\r\n");
    ::chmod(config_.c_str(), 0644);
    ::chmod(dir_.path().c_str(), 0555);
    AsOtherUser other;
    Start();
    QTest::keyClick(window_->编辑框1(), Qt::Key_X);
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "oldx");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(ReadFile(config_), "[Config]\r\nurl=old\r\n");
}

TEST_F(QtWindow, TabOrderBothWays) {
    Start();
    QWidget* const forward[] = {window_->编辑框2(), window_->按钮1(), window_->编辑框3(),
                                window_->编辑框1()};
    for (QWidget* expected : forward) {
        QTest::keyClick(Focus(), Qt::Key_Tab);
        EXPECT_EQ(Focus(), expected) << expected->metaObject()->className();
    }
    QWidget* const backward[] = {window_->编辑框3(), window_->按钮1(), window_->编辑框2(),
                                 window_->编辑框1()};
    for (QWidget* expected : backward) {
        QTest::keyClick(Focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(Focus(), expected) << expected->metaObject()->className();
    }
    EXPECT_EQ(window_->BoxText(Box::编辑框2), "");  // no tab character was inserted
    EXPECT_EQ(window_->BoxText(Box::编辑框3), "");
}

TEST_F(QtWindow, EscFromTheUrlBoxClosesTheWindow) {
    Start();
    window_->编辑框2()->setFocus();
    QTest::keyClick(window_->编辑框2(), Qt::Key_Escape);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(QtWindow, EnterBreaksLinesOnlyInTheMultiLineBoxes) {
    Start();
    QTest::keyClicks(window_->编辑框1(), "u");
    QTest::keyClick(window_->编辑框1(), Qt::Key_Return);
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "u");
    EXPECT_EQ(Focus(), window_->编辑框1());

    window_->按钮1()->setFocus();
    QTest::keyClick(window_->按钮1(), Qt::Key_Return);
    QTest::keyClick(window_->按钮1(), Qt::Key_Enter);
    EXPECT_EQ(clicks_, 0);
    EXPECT_EQ(Focus(), window_->按钮1());

    window_->编辑框2()->setFocus();
    QTest::keyClicks(window_->编辑框2(), "a");
    QTest::keyClick(window_->编辑框2(), Qt::Key_Return);
    QTest::keyClicks(window_->编辑框2(), "b");
    EXPECT_EQ(window_->BoxText(Box::编辑框2), "a\r\nb");
}

TEST_F(QtWindow, ButtonPressedBySpaceAndMouse) {
    Start();
    window_->按钮1()->setFocus();
    QTest::keyClick(window_->按钮1(), Qt::Key_Space);
    EXPECT_EQ(clicks_, 1);
    QTest::mouseClick(window_->按钮1(), Qt::LeftButton);
    EXPECT_EQ(clicks_, 2);
}

TEST_F(QtWindow, AppendTextDropsTheSelectionAndLandsAtTheEnd) {
    Start();
    window_->SetBoxText(Box::编辑框3, "first\r\nsecond");
    QPlainTextEdit* log = window_->编辑框3();
    log->setFocus();
    QTextCursor selection(log->document());
    selection.setPosition(2);
    selection.setPosition(8, QTextCursor::KeepAnchor);  // across the line break
    log->setTextCursor(selection);
    window_->AppendText(Box::编辑框3, "\r\n\xCC\xE1\xBD\xBB");
    EXPECT_EQ(window_->BoxText(Box::编辑框3), "first\r\nsecond\r\n\xCC\xE1\xBD\xBB");
    EXPECT_FALSE(log->textCursor().hasSelection());
    EXPECT_EQ(log->textCursor().position(), log->document()->characterCount() - 1);
    EXPECT_FALSE(log->document()->isUndoAvailable());
}

TEST_F(QtWindow, InputDuringACommandIsDropped) {
    Start();
    onSubmit_ = [this](WindowServices& w) {
        // A person types and clicks again while the command runs.
        QCoreApplication::postEvent(
            window_->编辑框1(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z"));
        QTest::mouseClick(window_->按钮1(), Qt::LeftButton);
        w.AppendText(Box::编辑框3, "report\r\n");
    };
    QTest::mouseClick(window_->按钮1(), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "");
    EXPECT_EQ(window_->BoxText(Box::编辑框3), "report\r\n");
    QTest::keyClick(window_->编辑框1(), Qt::Key_Q);  // input after the command counts again
    EXPECT_EQ(window_->BoxText(Box::编辑框1), "q");
}

TEST_F(QtWindow, LayoutAsDescribed) {
    Start();
    EXPECT_EQ(FromQString(window_->windowTitle()), "Tavrelo By:Ormin");
    EXPECT_EQ(window_->frameGeometry().size(), QSize(754, 427));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window_->frameGeometry().topLeft(),
              QPoint((screen.width() - 754) / 2, (screen.height() - 427) / 2));
    EXPECT_FALSE(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    struct Expected {
        QWidget* widget;
        layout::Control control;
    };
    const Expected controls[] = {
        {window_->标签1(), layout::标签1}, {window_->编辑框1(), layout::编辑框1},
        {window_->标签2(), layout::标签2}, {window_->编辑框2(), layout::编辑框2},
        {window_->按钮1(), layout::按钮1}, {window_->编辑框3(), layout::编辑框3}};
    for (const Expected& e : controls)
        EXPECT_EQ(e.widget->geometry(),
                  QRect(e.control.left, e.control.top, e.control.width, e.control.height));
    EXPECT_EQ(window_->标签1()->text(),
              QString::fromUtf8("\xE6\x8E\xA8\xE9\x80\x81\xE6\x8E\xA5\xE5\x8F\xA3\xEF\xBC\x9A"));
    EXPECT_EQ(window_->按钮1()->text(), QString::fromUtf8("\xE6\x8F\x90\xE4\xBA\xA4"));
    const QPalette log = window_->编辑框3()->palette();
    EXPECT_EQ(log.color(QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(log.color(QPalette::Base), QColor(Qt::black));
    EXPECT_FALSE(window_->编辑框3()->isReadOnly());
}

TEST(Layout, CentredOriginRoundsTowardZero) {
    EXPECT_EQ(layout::CentredOrigin(1280, 1024).left, 263);
    EXPECT_EQ(layout::CentredOrigin(1280, 1024).top, 298);
    EXPECT_EQ(layout::CentredOrigin(640, 400).left, -57);
    EXPECT_EQ(layout::CentredOrigin(640, 400).top, -13);  // -27 / 2 toward zero
}

}  // namespace
}  // namespace urlpush
