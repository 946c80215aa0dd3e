// The Linux program's window pushing to the practice interface on 127.0.0.1: the address
// typed, the list pasted, the button clicked, as a person would; checked through what the
// interface recorded and what the log box shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <thread>

#include "app/qt/qt_main_window.h"
#include "app/submit_command.h"
#include "app/tests/qt_test_application.h"
#include "app/tests/temp_directory.h"
#include "app/window_events.h"
#include "e2e/push_scenarios.h"
#include "text/encoding.h"
#include "tools/practice_push/practice_server.h"

namespace urlpush::e2e {
namespace {

class QtPush : public testing::Test {
  protected:
    void SetUp() override {
        UseConfigDirectory(dir_.path().string());  // the typed address lands in Config.ini
        record_ = dir_.File("record.jsonl");
        server_ = std::make_unique<practice::PracticeServer>(
            practice::ServerOptions{{}, "127.0.0.1", 0, record_});
        ASSERT_TRUE(server_->Bind());
        serving_ = std::thread([this] { server_->Serve(); });
        address_ = "http://127.0.0.1:" + std::to_string(server_->Port()) +
                   "/urls?site=www.example.com&token=practice-token";

        window_ = std::make_unique<QtMainWindow>(OnSubmitClicked);
        window_->ShowCentred();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    void TearDown() override {
        window_.reset();
        server_->Stop();
        serving_.join();
        UseConfigDirectory("");
    }

    // Types the address, pastes the list with Ctrl+V and clicks the button.
    void Push(const std::string& address, const std::string& list) {
        window_->编辑框1()->setFocus();
        QTest::keyClicks(window_->编辑框1(), QString::fromStdString(address));
        QApplication::clipboard()->setText(QString::fromStdString(list));
        window_->编辑框2()->setFocus();
        QTest::keyClick(window_->编辑框2(), Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(window_->按钮1(), Qt::LeftButton);
    }

    std::string Log() { return GbkToUtf8(window_->BoxText(Box::编辑框3)); }

    testing_support::TempDirectory dir_;
    std::string record_;
    std::unique_ptr<practice::PracticeServer> server_;
    std::thread serving_;
    std::string address_;
    std::unique_ptr<QtMainWindow> window_;
};

TEST_F(QtPush, SinglePushPostsTheBoxTextAndLogsTheCounts) {
    const std::string list = "http://www.example.com/a\r\nhttp://www.example.com/b\r\n";
    Push(address_, list);
    EXPECT_EQ(window_->编辑框1()->text().toStdString(), address_);
    const auto requests = RequestsSince(record_, 0);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].path, "/urls?site=www.example.com&token=practice-token");
    EXPECT_EQ(requests[0].body, list);
    EXPECT_EQ(Log(), kPushedTwo + "99998" + kPushSucceeded);
}

TEST_F(QtPush, FourThousandLinesGoInTwoBatches) {
    Push(address_, UrlLines(1, 4000));
    const auto requests = RequestsSince(record_, 0);
    ASSERT_EQ(requests.size(), 2u) << Log() << " / " << window_->BoxText(Box::编辑框2).size();
    EXPECT_EQ(requests[0].body, UrlLines(1, 2000));
    EXPECT_EQ(requests[1].body, UrlLines(2001, 4000));
    EXPECT_EQ(Log(), kBatchOf2000 + kBatchOf2000 + kTotal4000);
}

TEST_F(QtPush, WrongTokenLogsTheInterfacesMessage) {
    const std::string address = "http://127.0.0.1:" + std::to_string(server_->Port()) +
                                "/urls?site=www.example.com&token=bad";
    Push(address, "http://www.example.com/a");
    EXPECT_EQ(RequestsSince(record_, 0).size(), 1u);
    EXPECT_EQ(Log(), kWrongToken);
}

TEST_F(QtPush, UnreachableInterfaceSaysSo) {
    Push(kRefusedAddress, "http://www.example.com/a");
    EXPECT_EQ(RequestsSince(record_, 0).size(), 0u);
    EXPECT_EQ(Log(), kUnreachable);
}

}  // namespace
}  // namespace urlpush::e2e
