// What the end-to-end tests push and what they expect back, shared by the Qt and the Win32
// test: the lists, the practice interface's record of requests, and the log texts (UTF-8).
#pragma once

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace urlpush::e2e {

// "http://www.example.com/p1\r\n" ... "http://www.example.com/pN\r\n"
inline std::string UrlLines(int first, int last) {
    std::string text;
    for (int i = first; i <= last; ++i) {
        text.append("http://www.example.com/p").append(std::to_string(i)).append("\r\n");
    }
    return text;
}

struct RecordedRequest {
    std::string method, path, body;
};

// The requests recorded in `file` from byte `offset` on.
inline std::vector<RecordedRequest> RequestsSince(const std::string& file, std::size_t offset) {
    std::ifstream in(file, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    std::vector<RecordedRequest> requests;
    for (std::string line; std::getline(in, line);) {
        const auto json = nlohmann::json::parse(line);
        requests.push_back({json["method"], json["path"], json["body"]});
    }
    return requests;
}

inline std::size_t FileSize(const std::string& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    return in ? static_cast<std::size_t>(in.tellg()) : 0;
}

inline const std::string kPushedTwo = "已成功推送：2条\r\n目前剩余可推送条数：";
inline const std::string kPushSucceeded = "推送成功\r\n";
inline const std::string kBatchOf2000 = "已成功推送：2000条\r\n";
inline const std::string kTotal4000 = "共提交链接总数：4000\r\n";
inline const std::string kWrongToken = "token is not valid推送失败\r\n";
inline const std::string kUnreachable = "无法连接推送接口，推送失败\r\n";

// An address on 127.0.0.1 where nothing listens.
inline const std::string kRefusedAddress = "http://127.0.0.1:1/urls?site=www.example.com&token=t";

}  // namespace urlpush::e2e
