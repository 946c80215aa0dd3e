// The practice push interface served over HTTP on 127.0.0.1, recording every request it
// receives (method, path, headers, body) as one JSON line each in a file.
#pragma once

#include <memory>
#include <string>

#include "tools/practice_push/practice_interface.h"

namespace urlpush::practice {

struct ServerOptions {
    Options interface;
    std::string host = "127.0.0.1";
    int port = 8090;          // 0 picks a free port
    std::string recordFile;   // empty: record nothing
};

class PracticeServer {
public:
    explicit PracticeServer(ServerOptions options);
    ~PracticeServer();
    PracticeServer(const PracticeServer&) = delete;
    PracticeServer& operator=(const PracticeServer&) = delete;

    // Binds the port; false when it cannot. The port actually bound is then Port().
    [[nodiscard]] bool Bind();
    // Serves until Stop() (from another thread or a signal handler's thread).
    void Serve();
    void Stop();
    [[nodiscard]] int Port() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace urlpush::practice
