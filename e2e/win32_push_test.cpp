// The Windows program's window pushing to the practice interface, which runs on the Linux
// side of Wine: the address typed key by key, the list pasted from the clipboard, the
// button clicked; checked through what the interface recorded and what the log box shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "app/submit_command.h"
#include "app/tests/temp_directory.h"
#include "app/win32/win32_main_window.h"
#include "app/window_events.h"
#include "e2e/push_scenarios.h"
#include "text/encoding.h"

namespace urlpush::e2e {
namespace {

// A Linux path as the Windows program sees it through Wine's Z: drive.
std::string WinePath(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return "Z:" + path;
}

class Win32Push : public testing::Test {
protected:
    void SetUp() override {
        const char* practice = std::getenv("URLPUSH_PRACTICE_DIR");
        ASSERT_NE(practice, nullptr) << "the practice interface fixture did not run";
        const std::string dir = WinePath(practice);
        address_ = testing_support::ReadFile(dir + "\\address");
        while (!address_.empty() && (address_.back() == '\n' || address_.back() == '\r')) {
            address_.pop_back();
        }
        ASSERT_FALSE(address_.empty());
        record_ = dir + "\\record.jsonl";
        recordStart_ = FileSize(record_);

        UseConfigDirectory(configDir_.path().string());
        window_ = std::make_unique<win32::Win32MainWindow>(OnSubmitClicked);
        window_->Show();
        Pump();
    }

    void TearDown() override {
        window_.reset();
        Pump();
        UseConfigDirectory("");
    }

    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;
            if (window_ && window_->IsOpen() && window_->PreTranslate(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    // Each character as the keyboard delivers it once translated.
    void Type(HWND box, std::string_view text) {
        SetFocus(box);
        for (char c : text) PostMessageW(box, WM_CHAR, static_cast<WPARAM>(c), 1);
        Pump();
    }

    void Paste(HWND box, const std::string& text) {
        const std::wstring wide = GbkToWide(text);
        ASSERT_TRUE(OpenClipboard(window_->hwnd()));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);  // the clipboard owns it now
        CloseClipboard();
        SetFocus(box);
        // Ctrl+V, as the keyboard sends it
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        PostMessageW(box, WM_KEYDOWN, 'V', 1);
        PostMessageW(box, WM_KEYUP, 'V', 0xC0000001);
        Pump();
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }

    void Push(const std::string& address, const std::string& list) {
        Type(window_->编辑框1(), address);
        Paste(window_->编辑框2(), list);
        ASSERT_EQ(window_->BoxText(Box::编辑框2), list) << "the paste did not arrive";
        PostMessageW(window_->按钮1(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(window_->按钮1(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Pump();
    }

    std::vector<RecordedRequest> Requests() const { return RequestsSince(record_, recordStart_); }
    std::string Log() { return GbkToUtf8(window_->BoxText(Box::编辑框3)); }

    testing_support::TempDirectory configDir_;
    std::string address_, record_;
    std::size_t recordStart_ = 0;
    std::unique_ptr<win32::Win32MainWindow> window_;
};

TEST_F(Win32Push, SinglePushPostsTheBoxTextAndLogsTheCounts) {
    const std::string list = "http://www.example.com/a\r\nhttp://www.example.com/b\r\n";
    Push(address_, list);
    EXPECT_EQ(window_->BoxText(Box::编辑框1), address_);
    const auto requests = Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].path, "/urls?site=www.example.com&token=practice-token");
    EXPECT_EQ(requests[0].body, list);
    // The interface serves the whole test run, so what remains depends on earlier pushes.
    const std::string log = Log();
    ASSERT_TRUE(log.starts_with(kPushedTwo)) << log;
    ASSERT_TRUE(log.ends_with(kPushSucceeded)) << log;
    const std::string remain =
        log.substr(kPushedTwo.size(), log.size() - kPushedTwo.size() - kPushSucceeded.size());
    EXPECT_FALSE(remain.empty());
    EXPECT_EQ(remain.find_first_not_of("0123456789"), std::string::npos) << remain;
}

TEST_F(Win32Push, FourThousandLinesGoInTwoBatches) {
    Push(address_, UrlLines(1, 4000));
    const auto requests = Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].body, UrlLines(1, 2000));
    EXPECT_EQ(requests[1].body, UrlLines(2001, 4000));
    EXPECT_EQ(Log(), kBatchOf2000 + kBatchOf2000 + kTotal4000);
}

TEST_F(Win32Push, WrongTokenLogsTheInterfacesMessage) {
    std::string address = address_;
    address.replace(address.find("token=") + 6, std::string::npos, "bad");
    Push(address, "http://www.example.com/a");
    EXPECT_EQ(Requests().size(), 1u);
    EXPECT_EQ(Log(), kWrongToken);
}

TEST_F(Win32Push, UnreachableInterfaceSaysSo) {
    Push(kRefusedAddress, "http://www.example.com/a");
    EXPECT_EQ(Requests().size(), 0u);
    EXPECT_EQ(Log(), kUnreachable);
}

}  // namespace
}  // namespace urlpush::e2e
