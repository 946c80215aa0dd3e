// The HTTP side of the practice push interface.
#include "tools/practice_push/practice_server.h"

#include <httplib.h>

#include <fstream>
#include <mutex>
#include <nlohmann/json.hpp>

namespace urlpush::practice {

struct PracticeServer::State {
    explicit State(ServerOptions o) : options(std::move(o)), interface(options.interface) {}

    ServerOptions options;
    httplib::Server server;
    std::mutex mutex;  // the interface's quota and the record file
    PracticeInterface interface;
    std::ofstream record;
    int port = 0;

    void Record(const httplib::Request& request, const std::string& body) {
        if (!record.is_open()) return;
        nlohmann::ordered_json headers = nlohmann::ordered_json::array();
        for (const auto& [name, value] : request.headers) {
            if (name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" ||
                name == "LOCAL_PORT")
                continue;  // added by the server itself, not sent by the client
            headers.push_back({name, value});
        }
        nlohmann::ordered_json line = {{"method", request.method},
                                       {"path", request.target},
                                       {"headers", headers},
                                       {"body", body}};
        record << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
               << '\n'
               << std::flush;
    }

    void Handle(const httplib::Request& request, httplib::Response& response,
                const std::string& body) {
        std::lock_guard lock(mutex);
        Record(request, body);
        Reply reply{404, R"({"error":404,"message":"not found"})"};
        if (request.method == "POST") {
            // The query alone names site and token: a form-encoded body of URLs is no form.
            const std::size_t question = request.target.find('?');
            httplib::Params query;
            if (question != std::string::npos) {
                httplib::detail::parse_query_text(request.target.substr(question + 1), query);
            }
            const auto value = [&query](const char* key) {
                const auto found = query.find(key);
                return found == query.end() ? std::string() : found->second;
            };
            reply = interface.Answer(request.path, value("site"), value("token"), body);
        }
        response.status = reply.status;
        response.set_content(reply.body, "application/json");
    }
};

PracticeServer::PracticeServer(ServerOptions options)
    : state_(std::make_unique<State>(std::move(options))) {
    if (!state_->options.recordFile.empty()) {
        state_->record.open(state_->options.recordFile, std::ios::binary | std::ios::app);
    }
    // Posts are read through a content reader: the server's own reading would refuse a
    // form-encoded body of more than a few kilobytes, and a URL list is no form.
    state_->server.Post(".*", [this](const httplib::Request& request, httplib::Response& response,
                                     const httplib::ContentReader& reader) {
        std::string body;
        reader([&body](const char* data, std::size_t length) {
            body.append(data, length);
            return true;
        });
        state_->Handle(request, response, body);
    });
    state_->server.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        state_->Handle(request, response, request.body);
    });
    state_->server.set_payload_max_length(64u << 20);
}

PracticeServer::~PracticeServer() { Stop(); }

bool PracticeServer::Bind() {
    if (state_->options.port == 0) {
        state_->port = state_->server.bind_to_any_port(state_->options.host);
        return state_->port > 0;
    }
    state_->port = state_->options.port;
    return state_->server.bind_to_port(state_->options.host, state_->options.port);
}

void PracticeServer::Serve() { state_->server.listen_after_bind(); }

void PracticeServer::Stop() { state_->server.stop(); }

int PracticeServer::Port() const { return state_->port; }

}  // namespace urlpush::practice
