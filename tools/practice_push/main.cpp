// practice_push: a practice push interface on 127.0.0.1 for trying the tool.
//   practice_push [--port N] [--token T] [--site S] [--quota N] [--record FILE]
// Then type http://127.0.0.1:N/urls?site=S&token=T into the tool's first box.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/practice_push/practice_server.h"

namespace {

urlpush::practice::PracticeServer* g_server = nullptr;

void StopOnSignal(int) {
    if (g_server) g_server->Stop();
}

int Usage() {
    std::fprintf(stderr,
                 "usage: practice_push [--port N] [--token T] [--site S] [--quota N] "
                 "[--record FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    urlpush::practice::ServerOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::string value = argv[++i];
        if (flag == "--port") {
            options.port = std::atoi(value.c_str());
        } else if (flag == "--token") {
            options.interface.token = value;
        } else if (flag == "--site") {
            options.interface.site = value;
        } else if (flag == "--quota") {
            options.interface.quota = std::atoll(value.c_str());
        } else if (flag == "--record") {
            options.recordFile = value;
        } else {
            return Usage();
        }
    }
    urlpush::practice::PracticeServer server(options);
    if (!server.Bind()) {
        std::fprintf(stderr, "practice_push: cannot listen on %s:%d\n", options.host.c_str(),
                     options.port);
        return 1;
    }
    g_server = &server;
    std::signal(SIGINT, StopOnSignal);
    std::signal(SIGTERM, StopOnSignal);
    std::printf("practice push interface: http://%s:%d/urls?site=%s&token=%s\n",
                options.host.c_str(), server.Port(), options.interface.site.c_str(),
                options.interface.token.c_str());
    std::fflush(stdout);
    server.Serve();
    return 0;
}
