// The engine on Linux, written out and loaded as the program does it, applied to real Qt
// widgets on the offscreen platform: what the skin paints, what it leaves alone, and that
// the detach restores what was there before.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <random>

#include "resources/carried_resources.h"
#include "skin/skin_library.h"

namespace urlpush {
namespace {

namespace fs = std::filesystem;

const QColor kFace(0xF3, 0xF5, 0xF8), kButtonFace(0x3D, 0x7C, 0xC9), kEditBase(Qt::white);

QColor PixelAt(QWidget& widget, QPoint point) {
    return widget.grab().toImage().pixelColor(point);
}

// A window like the program's: its own face colour, an address box, a log box with colours
// of its own, and a button.
struct Window {
    QWidget frame;
    QLineEdit* address = new QLineEdit(&frame);
    QPlainTextEdit* log = new QPlainTextEdit(&frame);
    QPushButton* button = new QPushButton(QStringLiteral("Submit"), &frame);

    Window() {
        frame.resize(300, 200);
        QPalette face = frame.palette();
        face.setColor(QPalette::Window, QColor(0xD4, 0xD0, 0xC8));
        frame.setPalette(face);
        frame.setAutoFillBackground(true);
        address->setGeometry(10, 10, 200, 24);
        log->setGeometry(10, 40, 200, 100);
        QPalette own = log->palette();
        own.setColor(QPalette::Base, Qt::black);
        own.setColor(QPalette::Text, Qt::green);
        log->setPalette(own);
        button->setGeometry(220, 10, 70, 28);
        frame.show();
    }
};

class QtEngine : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "engine_qt_tests";
        static char* argv[] = {name, nullptr};
        application_ = new QApplication(argc, argv);
    }

    void SetUp() override {
        original_ = fs::current_path();
        root_ = fs::temp_directory_path() / ("urlpush-engine-" + std::to_string(std::random_device()()));
        fs::create_directories(root_);
        fs::current_path(root_);
        InstallSkinLibrary();  // the carried engine, written as jedata.dll here
    }

    void TearDown() override {
        DetachSkin();
        fs::current_path(original_);
        fs::remove_all(root_);
    }

  private:
    static inline QApplication* application_ = nullptr;
    fs::path original_, root_;
};

TEST_F(QtEngine, SkinsTheWindowAndLeavesOwnColoursAlone) {
    Window window;
    const QColor faceBefore = PixelAt(window.frame, {295, 195});
    const QColor buttonBefore = PixelAt(*window.button, {4, 14});
    const QString sheetBefore = qApp->styleSheet();

    ASSERT_TRUE(AttachSkinData(CarriedSkin(), "", 0, 0, 0));
    EXPECT_EQ(PixelAt(window.frame, {295, 195}), kFace);
    EXPECT_EQ(PixelAt(*window.button, {4, 14}), kButtonFace);
    EXPECT_EQ(PixelAt(*window.address, {100, 12}), kEditBase);
    EXPECT_EQ(PixelAt(*window.log, {100, 50}), QColor(Qt::black));

    DetachSkin();
    EXPECT_EQ(qApp->styleSheet(), sheetBefore);
    EXPECT_EQ(PixelAt(window.frame, {295, 195}), faceBefore);
    EXPECT_EQ(PixelAt(*window.button, {4, 14}), buttonBefore);
    EXPECT_EQ(PixelAt(*window.log, {100, 50}), QColor(Qt::black));
}

TEST_F(QtEngine, WindowsMadeLaterAreSkinnedToo) {
    ASSERT_TRUE(AttachSkinData(CarriedSkin(), "", 0, 0, 0));
    QWidget box;  // as a message box comes up after the attach
    box.resize(200, 80);
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setGeometry(60, 40, 80, 28);
    box.show();
    EXPECT_EQ(PixelAt(box, {5, 5}), kFace);
    EXPECT_EQ(PixelAt(*ok, {4, 14}), kButtonFace);
}

TEST_F(QtEngine, DataThatIsNoSkinIsRefusedAndChangesNothing) {
    Window window;
    const QColor faceBefore = PixelAt(window.frame, {295, 195});
    const QString sheetBefore = qApp->styleSheet();
    EXPECT_FALSE(AttachSkinData(".SHE 1\nwindow.face #FFFFFF\n", "", 0, 0, 0));
    EXPECT_FALSE(AttachSkinData("MZ", "", 0, 0, 0));
    EXPECT_EQ(qApp->styleSheet(), sheetBefore);
    EXPECT_EQ(PixelAt(window.frame, {295, 195}), faceBefore);
}

}  // namespace
}  // namespace urlpush
