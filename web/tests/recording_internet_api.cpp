// The recording fake of InternetApi.
#include "recording_internet_api.h"

#include <cstdio>
#include <cstring>

namespace urlpush {

std::string Quoted(const char* text, std::size_t length) {
    if (text == nullptr) return "null";
    std::string quoted = "\"";
    for (std::size_t i = 0; i < length; ++i) {
        switch (text[i]) {
            case '\r':
                quoted += "\\r";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\0':
                quoted += "\\0";
                break;
            default:
                quoted += text[i];
        }
    }
    return quoted + "\"";
}

std::string Quoted(const char* text) {
    return Quoted(text, text == nullptr ? 0 : std::strlen(text));
}

namespace {
std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
    return text;
}
}  // namespace

std::string RecordingInternetApi::Name(InternetHandle handle) const {
    if (handle == &internet_) return "internet";
    if (handle == &connection_) return "connection";
    if (handle == &request_) return "request";
    return handle == nullptr ? "null" : "unknown";
}

InternetHandle RecordingInternetApi::InternetOpen(const char* agent, uint32_t accessType,
                                                  const char* proxy, const char* proxyBypass,
                                                  uint32_t flags) {
    calls.push_back("InternetOpen(" + Quoted(agent) + ", " + std::to_string(accessType) + ", " +
                    Quoted(proxy) + ", " + Quoted(proxyBypass) + ", " + Hex(flags) + ")");
    return script_.openFails ? nullptr : &internet_;
}

InternetHandle RecordingInternetApi::InternetConnect(InternetHandle internet,
                                                     const char* serverName, uint16_t serverPort,
                                                     const char* userName, const char* password,
                                                     uint32_t service, uint32_t flags,
                                                     uintptr_t context) {
    calls.push_back("InternetConnect(" + Name(internet) + ", " + Quoted(serverName) + ", " +
                    std::to_string(serverPort) + ", " + Quoted(userName) + ", " + Quoted(password) +
                    ", " + std::to_string(service) + ", " + Hex(flags) + ", " +
                    std::to_string(context) + ")");
    return script_.connectFails ? nullptr : &connection_;
}

InternetHandle RecordingInternetApi::HttpOpenRequest(InternetHandle connection, const char* verb,
                                                     const char* objectName, const char* version,
                                                     const char* referrer, const char** acceptTypes,
                                                     uint32_t flags, uintptr_t context) {
    calls.push_back("HttpOpenRequest(" + Name(connection) + ", " + Quoted(verb) + ", " +
                    Quoted(objectName) + ", " + Quoted(version) + ", " + Quoted(referrer) + ", " +
                    (acceptTypes == nullptr ? "null" : "types") + ", " + Hex(flags) + ", " +
                    std::to_string(context) + ")");
    return script_.requestFails ? nullptr : &request_;
}

bool RecordingInternetApi::HttpSendRequest(InternetHandle request, const char* headers,
                                           uint32_t headersLength, const void* body,
                                           uint32_t bodyLength) {
    const char* bytes = static_cast<const char*>(body);
    calls.push_back("HttpSendRequest(" + Name(request) + ", " + Quoted(headers, headersLength) +
                    ", " + std::to_string(headersLength) + ", " +
                    (bodyLength > 64 ? std::string("<long>") : Quoted(bytes, bodyLength)) + ", " +
                    std::to_string(bodyLength) + ")");
    sentBody.assign(bytes == nullptr ? "" : bytes, bytes == nullptr ? 0 : bodyLength);
    return !script_.sendFails;
}

bool RecordingInternetApi::InternetReadFile(InternetHandle request, void* buffer,
                                            uint32_t bytesToRead, uint32_t* bytesRead) {
    calls.push_back("InternetReadFile(" + Name(request) + ", " + std::to_string(bytesToRead) + ")");
    if (nextRead_ >= script_.reads.size()) return false;  // leaves the count as it was
    const std::string& chunk = script_.reads[nextRead_++];
    std::memcpy(buffer, chunk.data(), chunk.size());
    *bytesRead = static_cast<uint32_t>(chunk.size());
    return true;
}

bool RecordingInternetApi::HttpQueryInfo(InternetHandle request, uint32_t infoLevel, void* buffer,
                                         uint32_t* bufferLength, uint32_t* index) {
    calls.push_back("HttpQueryInfo(" + Name(request) + ", " + std::to_string(infoLevel) + ", " +
                    std::to_string(*bufferLength) + ", " + (index == nullptr ? "null" : "index") +
                    ")");
    if (!script_.headers) return false;
    const std::string& headers = *script_.headers;
    if (*bufferLength <= headers.size()) {
        *bufferLength = static_cast<uint32_t>(headers.size() + 1);
        return false;
    }
    std::memcpy(buffer, headers.c_str(), headers.size() + 1);
    *bufferLength = static_cast<uint32_t>(headers.size());
    return true;
}

bool RecordingInternetApi::InternetCloseHandle(InternetHandle handle) {
    calls.push_back("InternetCloseHandle(" + Name(handle) + ")");
    return handle != nullptr;
}

}  // namespace urlpush
