// The HTTP service WebAccess talks to, shaped like the seven WinINet calls it makes, so
// that one request routine serves WinINet (wininet_api.cpp), libcurl (curl_api.cpp) and
// the recording fake of the tests. A null `const char*` means that no string is passed;
// "" is a string of length zero.
#pragma once

#include <cstdint>

namespace urlpush {

using InternetHandle = void*;

// The WinINet values, under their published names.
inline constexpr uint32_t INTERNET_OPEN_TYPE_DIRECT = 1;
inline constexpr uint32_t INTERNET_OPEN_TYPE_PROXY = 3;
inline constexpr uint32_t INTERNET_SERVICE_HTTP = 3;
inline constexpr uint32_t INTERNET_FLAG_RELOAD = 0x80000000;
inline constexpr uint32_t INTERNET_FLAG_NEED_FILE = 0x10;
inline constexpr uint32_t INTERNET_FLAG_NO_COOKIES = 0x80000;
inline constexpr uint32_t INTERNET_FLAG_NO_AUTO_REDIRECT = 0x200000;
inline constexpr uint32_t INTERNET_FLAG_SECURE = 0x800000;
inline constexpr uint32_t INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS = 0x4000;
inline constexpr uint32_t HTTP_QUERY_RAW_HEADERS_CRLF = 22;

class InternetApi {
  public:
    virtual ~InternetApi() = default;

    // A session; `agent` is the User-Agent of its requests. Null on failure.
    virtual InternetHandle InternetOpen(const char* agent, uint32_t accessType, const char* proxy,
                                        const char* proxyBypass, uint32_t flags) = 0;
    virtual InternetHandle InternetConnect(InternetHandle internet, const char* serverName,
                                           uint16_t serverPort, const char* userName,
                                           const char* password, uint32_t service, uint32_t flags,
                                           uintptr_t context) = 0;
    virtual InternetHandle HttpOpenRequest(InternetHandle connection, const char* verb,
                                           const char* objectName, const char* version,
                                           const char* referrer, const char** acceptTypes,
                                           uint32_t flags, uintptr_t context) = 0;
    // `headers` is the block of request header lines joined by "\r\n".
    virtual bool HttpSendRequest(InternetHandle request, const char* headers,
                                 uint32_t headersLength, const void* body, uint32_t bodyLength) = 0;
    // `*bytesRead` is 0 at the end of the data.
    virtual bool InternetReadFile(InternetHandle request, void* buffer, uint32_t bytesToRead,
                                  uint32_t* bytesRead) = 0;
    // On success `*bufferLength` is the length placed, without the terminating zero; when
    // the buffer is too small the call fails and sets it to the length needed.
    virtual bool HttpQueryInfo(InternetHandle request, uint32_t infoLevel, void* buffer,
                               uint32_t* bufferLength, uint32_t* index) = 0;
    virtual bool InternetCloseHandle(InternetHandle handle) = 0;
};

// The platform's service: WinINet on Windows, libcurl on Linux.
[[nodiscard]] InternetApi& SystemInternetApi();

}  // namespace urlpush
