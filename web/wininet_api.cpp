// InternetApi over WinINet, for Windows. Every entry point is bound from "wininet.dll" on
// its first call (the run directory's copy first, then the system's); the program does not
// link against WinINet.
#include <windows.h>

#include "runtime/library_binding.h"
#include "web/internet_api.h"
#include "web/web_timeouts.h"

namespace urlpush {
namespace {

using HINTERNET = void*;
constexpr DWORD kConnectTimeoutOption = 2;             // INTERNET_OPTION_CONNECT_TIMEOUT
constexpr DWORD kIdleTimeoutOptions[] = {5, 6, 7, 8};  // SEND, RECEIVE, DATA_SEND, DATA_RECEIVE

constinit BoundFunction<HINTERNET(WINAPI*)(LPCSTR, DWORD, LPCSTR, LPCSTR, DWORD)> InternetOpenA{
    "wininet.dll", "InternetOpenA"};
constinit BoundFunction<HINTERNET(WINAPI*)(HINTERNET, LPCSTR, WORD, LPCSTR, LPCSTR, DWORD, DWORD,
                                           DWORD_PTR)>
    InternetConnectA{"wininet.dll", "InternetConnectA"};
constinit BoundFunction<HINTERNET(WINAPI*)(HINTERNET, LPCSTR, LPCSTR, LPCSTR, LPCSTR, LPCSTR*,
                                           DWORD, DWORD_PTR)>
    HttpOpenRequestA{"wininet.dll", "HttpOpenRequestA"};
constinit BoundFunction<BOOL(WINAPI*)(HINTERNET, LPCSTR, DWORD, LPVOID, DWORD)> HttpSendRequestA{
    "wininet.dll", "HttpSendRequestA"};
constinit BoundFunction<BOOL(WINAPI*)(HINTERNET, LPVOID, DWORD, LPDWORD)> InternetReadFileBound{
    "wininet.dll", "InternetReadFile"};
constinit BoundFunction<BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, LPDWORD, LPDWORD)> HttpQueryInfoA{
    "wininet.dll", "HttpQueryInfoA"};
constinit BoundFunction<BOOL(WINAPI*)(HINTERNET)> InternetCloseHandleBound{"wininet.dll",
                                                                           "InternetCloseHandle"};
constinit BoundFunction<BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, DWORD)> InternetSetOptionA{
    "wininet.dll", "InternetSetOptionA"};

void SetTimeout(HINTERNET handle, DWORD option, int milliseconds) {
    DWORD value = static_cast<DWORD>(milliseconds);
    (void)InternetSetOptionA(handle, option, &value, sizeof value);
}

void SetTimeouts(HINTERNET handle) {
    const WebTimeouts timeouts = CurrentWebTimeouts();
    SetTimeout(handle, kConnectTimeoutOption, timeouts.connectMilliseconds);
    for (DWORD option : kIdleTimeoutOptions) SetTimeout(handle, option, timeouts.idleMilliseconds);
}

class WinInetApi final : public InternetApi {
  public:
    InternetHandle InternetOpen(const char* agent, uint32_t accessType, const char* proxy,
                                const char* proxyBypass, uint32_t flags) override {
        HINTERNET internet = InternetOpenA(agent, accessType, proxy, proxyBypass, flags);
        if (internet != nullptr) SetTimeouts(internet);
        return internet;
    }

    InternetHandle InternetConnect(InternetHandle internet, const char* serverName,
                                   uint16_t serverPort, const char* userName, const char* password,
                                   uint32_t service, uint32_t flags, uintptr_t context) override {
        HINTERNET connection = InternetConnectA(internet, serverName, serverPort, userName,
                                                password, service, flags, context);
        if (connection != nullptr) SetTimeouts(connection);
        return connection;
    }

    InternetHandle HttpOpenRequest(InternetHandle connection, const char* verb,
                                   const char* objectName, const char* version,
                                   const char* referrer, const char** acceptTypes, uint32_t flags,
                                   uintptr_t context) override {
        HINTERNET request = HttpOpenRequestA(connection, verb, objectName, version, referrer,
                                             acceptTypes, flags, context);
        if (request != nullptr) SetTimeouts(request);
        return request;
    }

    bool HttpSendRequest(InternetHandle request, const char* headers, uint32_t headersLength,
                         const void* body, uint32_t bodyLength) override {
        return HttpSendRequestA(request, headers, headersLength, const_cast<void*>(body),
                                bodyLength) != FALSE;
    }

    bool InternetReadFile(InternetHandle request, void* buffer, uint32_t bytesToRead,
                          uint32_t* bytesRead) override {
        DWORD read = 0;
        const BOOL ok = InternetReadFileBound(request, buffer, bytesToRead, &read);
        *bytesRead = read;
        return ok != FALSE;
    }

    bool HttpQueryInfo(InternetHandle request, uint32_t infoLevel, void* buffer,
                       uint32_t* bufferLength, uint32_t* index) override {
        DWORD length = *bufferLength;
        DWORD position = index != nullptr ? *index : 0;
        const BOOL ok = HttpQueryInfoA(request, infoLevel, buffer, &length,
                                       index != nullptr ? &position : nullptr);
        *bufferLength = length;
        if (index != nullptr) *index = position;
        return ok != FALSE;
    }

    bool InternetCloseHandle(InternetHandle handle) override {
        return InternetCloseHandleBound(handle) != FALSE;
    }
};

}  // namespace

InternetApi& SystemInternetApi() {
    static WinInetApi api;
    return api;
}

}  // namespace urlpush
