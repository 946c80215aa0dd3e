// The Submit command's own texts, as GBK bytes (the comment gives each one's reading).
#pragma once

#include <string_view>

namespace urlpush::push_texts {

inline constexpr std::string_view kInterfaceEmpty = "\xCD\xC6\xCB\xCD\xBD\xD3\xBF\xDA\xB2\xBB\xC4\xDC\xCE\xAA\xBF\xD5\xA3\xA1";  // 推送接口不能为空！
inline constexpr std::string_view kUrlsEmpty = "\xCD\xC6\xCB\xCD\xCD\xF8\xD6\xB7\xB2\xBB\xC4\xDC\xCE\xAA\xBF\xD5\xA3\xA1";  // 推送网址不能为空！
inline constexpr std::string_view kNoticeTitle = "\xCC\xE1\xCA\xBE\xA3\xBA";  // 提示：
inline constexpr std::string_view kPushed = "\xD2\xD1\xB3\xC9\xB9\xA6\xCD\xC6\xCB\xCD\xA3\xBA";  // 已成功推送：
inline constexpr std::string_view kCountThenRemain = "\xCC\xF5\r\n\xC4\xBF\xC7\xB0\xCA\xA3\xD3\xE0\xBF\xC9\xCD\xC6\xCB\xCD\xCC\xF5\xCA\xFD\xA3\xBA";  // 条\r\n目前剩余可推送条数：
inline constexpr std::string_view kPushSucceeded = "\xCD\xC6\xCB\xCD\xB3\xC9\xB9\xA6\r\n";  // 推送成功\r\n
inline constexpr std::string_view kPushFailed = "\xCD\xC6\xCB\xCD\xCA\xA7\xB0\xDC";  // 推送失败
inline constexpr std::string_view kTotal = "\xB9\xB2\xCC\xE1\xBD\xBB\xC1\xB4\xBD\xD3\xD7\xDC\xCA\xFD\xA3\xBA";  // 共提交链接总数：
inline constexpr std::string_view kNotSameSite = "\xB7\xC7\xB1\xBE\xD5\xBE\xC1\xB4\xBD\xD3\xA3\xBA";  // 非本站链接：
inline constexpr std::string_view kNotValid = "\xB2\xBB\xBA\xCF\xB7\xA8\xC1\xB4\xBD\xD3\xA3\xBA";  // 不合法链接：
inline constexpr std::string_view kCannotConnect = "\xCE\xDE\xB7\xA8\xC1\xAC\xBD\xD3\xCD\xC6\xCB\xCD\xBD\xD3\xBF\xDA\xA3\xAC";  // 无法连接推送接口，
inline constexpr std::string_view kCountEnd = "\xCC\xF5\r\n";  // 条\r\n

}  // namespace urlpush::push_texts
