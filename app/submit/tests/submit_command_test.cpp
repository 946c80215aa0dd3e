// The Submit command against a fake window and a recording poster: input checks, single
// and batch mode, and what the log gets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/submit_command.h"
#include "text/encoding.h"

namespace urlpush {
namespace {

class FakeWindow : public WindowServices {
public:
    Text interface, urls, log;
    std::vector<std::pair<Text, Text>> messages;  // text, title

    Text BoxText(Box box) override {
        return box == Box::编辑框1 ? interface : box == Box::编辑框2 ? urls : log;
    }
    void AppendText(Box box, std::string_view text) override {
        ASSERT_EQ(box, Box::编辑框3);
        log.append(text);
    }
    void ShowMessage(std::string_view text, std::string_view title) override {
        messages.emplace_back(text, title);
    }
};

struct Post {
    Text url, body;
};

// Records each post and answers with the next reply (the last one repeats).
class RecordingPoster {
public:
    std::vector<Post> posts;
    std::vector<PushResult> replies{{R"({"remain":10,"success":2})", 200}};

    PushPoster AsPoster() {
        return [this](std::string_view url, std::string_view body) {
            posts.push_back({Text(url), Text(body)});
            return replies[std::min(posts.size(), replies.size()) - 1];
        };
    }
};

// Lines "http://www.site.lan/p1" ... each followed by "\r\n".
std::string UrlLines(int first, int last) {
    std::string text;
    for (int i = first; i <= last; ++i) text.append("http://www.site.lan/p" + std::to_string(i)).append("\r\n");
    return text;
}

const Text kAddress = "http://127.0.0.1:8090/urls?site=www.site.lan&token=t";

TEST(SubmitCommand, EmptyBoxesShowAMessageAndPostNothing) {
    struct Case {
        const char* name;
        Text interface, urls;
        std::string message;  // UTF-8
    };
    for (const Case& c : {Case{"both_empty", "", "", "推送接口不能为空！"},
                          Case{"interface_empty", "", "http://a/\r\n", "推送接口不能为空！"},
                          Case{"urls_empty", kAddress, "", "推送网址不能为空！"}}) {
        FakeWindow window;
        window.interface = c.interface;
        window.urls = c.urls;
        RecordingPoster poster;
        RunSubmit(window, poster.AsPoster());
        ASSERT_EQ(window.messages.size(), 1u) << c.name;
        EXPECT_EQ(GbkToUtf8(window.messages[0].first), c.message) << c.name;
        EXPECT_EQ(GbkToUtf8(window.messages[0].second), "提示：") << c.name;
        EXPECT_TRUE(poster.posts.empty()) << c.name;
        EXPECT_EQ(window.log, "") << c.name;
    }
}

TEST(SubmitCommand, BlanksOnlyAddressIsNotEmptyAndIsPostedTo) {
    FakeWindow window;
    window.interface = "  ";
    window.urls = "http://a/";
    RecordingPoster poster;
    poster.replies = {{"", 0}};
    RunSubmit(window, poster.AsPoster());
    ASSERT_EQ(poster.posts.size(), 1u);
    EXPECT_EQ(poster.posts[0].url, "  ");
    EXPECT_EQ(GbkToUtf8(window.log), "无法连接推送接口，推送失败\r\n");
}

TEST(SubmitCommand, UpTo2000LinesPostsTheBoxTextUnchanged) {
    FakeWindow window;
    window.interface = kAddress;
    // 2000 lines, a blank one among them, and the final line break posted with the text
    window.urls = UrlLines(1, 1000) + "\r\n" + UrlLines(1001, 1999);
    RecordingPoster poster;
    RunSubmit(window, poster.AsPoster());
    ASSERT_EQ(poster.posts.size(), 1u);
    EXPECT_EQ(poster.posts[0].url, kAddress);
    EXPECT_EQ(poster.posts[0].body, window.urls);
    EXPECT_EQ(GbkToUtf8(window.log), "已成功推送：2条\r\n目前剩余可推送条数：10推送成功\r\n");
}

struct BatchCase {
    const char* name;
    int lines;
    std::vector<std::pair<int, int>> batches;  // first and last line of each post
};

class SubmitBatchTest : public testing::TestWithParam<BatchCase> {};

TEST_P(SubmitBatchTest, PostsBatchesOf2000Lines) {
    const BatchCase& c = GetParam();
    FakeWindow window;
    window.interface = kAddress;
    std::string list = UrlLines(1, c.lines);
    list.resize(list.size() - 2);  // no final line break: it would not change the count
    window.urls = list;
    RecordingPoster poster;
    RunSubmit(window, poster.AsPoster());

    ASSERT_EQ(poster.posts.size(), c.batches.size());
    std::string expectedLog;
    for (std::size_t i = 0; i < c.batches.size(); ++i) {
        EXPECT_EQ(poster.posts[i].body, UrlLines(c.batches[i].first, c.batches[i].second)) << i;
        EXPECT_EQ(poster.posts[i].url, kAddress);
        expectedLog += "已成功推送：2条\r\n";
    }
    expectedLog += "共提交链接总数：" + std::to_string(c.lines) + "\r\n";
    EXPECT_EQ(GbkToUtf8(window.log), expectedLog);
}

INSTANTIATE_TEST_SUITE_P(Push, SubmitBatchTest,
                         testing::Values(BatchCase{"lines_2001", 2001, {{1, 2000}, {2001, 2001}}},
                                         BatchCase{"lines_2500", 2500, {{1, 2000}, {2001, 2500}}},
                                         BatchCase{"lines_4000", 4000, {{1, 2000}, {2001, 4000}}},
                                         BatchCase{"lines_6001",
                                                   6001,
                                                   {{1, 2000}, {2001, 4000}, {4001, 6000},
                                                    {6001, 6001}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SubmitCommand, BlankLinesAreMembersAndFailedBatchesDoNotStopTheRun) {
    FakeWindow window;
    window.interface = kAddress;
    window.urls = "\r\n" + UrlLines(1, 2000) + "\r\nlast";  // 2003 lines: "", 2000 URLs, "", "last"
    RecordingPoster poster;
    poster.replies = {{"", 0}, {R"({"error":400,"message":"over quota"})", 400}};
    RunSubmit(window, poster.AsPoster());
    ASSERT_EQ(poster.posts.size(), 2u);
    EXPECT_EQ(poster.posts[0].body, "\r\n" + UrlLines(1, 1999));
    EXPECT_EQ(poster.posts[1].body, "http://www.site.lan/p2000\r\n\r\nlast\r\n");
    EXPECT_EQ(GbkToUtf8(window.log),
              "无法连接推送接口，推送失败\r\nover quota推送失败\r\n共提交链接总数：2003\r\n");
}

TEST(SubmitCommand, SecondSubmitPostsTheWholeListAgainOnANewLine) {
    FakeWindow window;
    window.interface = kAddress;
    window.urls = "http://www.site.lan/a";
    RecordingPoster poster;
    poster.replies = {{R"({"message":"bad request"})", 400}};
    RunSubmit(window, poster.AsPoster());
    RunSubmit(window, poster.AsPoster());
    EXPECT_EQ(poster.posts.size(), 2u);
    EXPECT_EQ(GbkToUtf8(window.log), "bad request推送失败\r\nbad request推送失败\r\n");
}

}  // namespace
}  // namespace urlpush
