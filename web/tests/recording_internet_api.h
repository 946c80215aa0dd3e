// A fake InternetApi that records every call as a line of text (strings quoted with \r
// and \n spelled out, null as null, flags in hex) and answers from a script.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "web/internet_api.h"

namespace urlpush {

struct FakeScript {
    bool openFails = false, connectFails = false, requestFails = false;
    bool sendFails = false;
    std::vector<std::string> reads;      // what each read returns; a read after them gives 0
    std::optional<std::string> headers;  // the raw block; none: no response
};

class RecordingInternetApi final : public InternetApi {
  public:
    explicit RecordingInternetApi(FakeScript script) : script_(std::move(script)) {}

    std::vector<std::string> calls;
    std::string sentBody;  // the body bytes of the last send

    InternetHandle InternetOpen(const char* agent, uint32_t accessType, const char* proxy,
                                const char* proxyBypass, uint32_t flags) override;
    InternetHandle InternetConnect(InternetHandle internet, const char* serverName,
                                   uint16_t serverPort, const char* userName, const char* password,
                                   uint32_t service, uint32_t flags, uintptr_t context) override;
    InternetHandle HttpOpenRequest(InternetHandle connection, const char* verb,
                                   const char* objectName, const char* version,
                                   const char* referrer, const char** acceptTypes, uint32_t flags,
                                   uintptr_t context) override;
    bool HttpSendRequest(InternetHandle request, const char* headers, uint32_t headersLength,
                         const void* body, uint32_t bodyLength) override;
    bool InternetReadFile(InternetHandle request, void* buffer, uint32_t bytesToRead,
                          uint32_t* bytesRead) override;
    bool HttpQueryInfo(InternetHandle request, uint32_t infoLevel, void* buffer,
                       uint32_t* bufferLength, uint32_t* index) override;
    bool InternetCloseHandle(InternetHandle handle) override;

  private:
    [[nodiscard]] std::string Name(InternetHandle handle) const;

    FakeScript script_;
    std::size_t nextRead_ = 0;
    char internet_ = 0, connection_ = 0, request_ = 0;  // their addresses are the handles
};

// "text" with \r, \n and zero bytes spelled out, or null.
[[nodiscard]] std::string Quoted(const char* text, std::size_t length);
[[nodiscard]] std::string Quoted(const char* text);

}  // namespace urlpush
