// Pushes a generated list of URLs through the Submit command (real HTTP access) to the
// address given, and prints the time taken, the process's peak memory and the list size.
//   push_bench URL [COUNT]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/submit_command.h"

namespace {

// A window whose boxes are plain texts; the log is kept whole, as the real one keeps it.
class BenchWindow : public urlpush::WindowServices {
public:
    urlpush::Text interface, urls, log;

    urlpush::Text BoxText(urlpush::Box box) override {
        return box == urlpush::Box::编辑框1 ? interface : box == urlpush::Box::编辑框2 ? urls : log;
    }
    void AppendText(urlpush::Box, std::string_view text) override { log.append(text); }
    void ShowMessage(std::string_view text, std::string_view) override {
        std::fprintf(stderr, "message box: %.*s\n", static_cast<int>(text.size()), text.data());
    }
};

long PeakResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: push_bench URL [COUNT]\n");
        return 2;
    }
    const int count = argc > 2 ? std::atoi(argv[2]) : 1000000;
    BenchWindow window;
    window.interface = argv[1];
    window.urls.reserve(static_cast<std::size_t>(count) * 40);
    for (int i = 1; i <= count; ++i) {
        window.urls.append("http://www.example.com/p/").append(std::to_string(i)).append(".html");
        if (i < count) window.urls.append("\r\n");
    }
    window.urls.shrink_to_fit();
    const long before = PeakResidentKiB();

    const auto start = std::chrono::steady_clock::now();
    urlpush::OnSubmitClicked(window);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const std::size_t lastLine = window.log.rfind("\r\n", window.log.size() - 3);
    std::printf("list_bytes=%zu\nseconds=%.3f\npeak_kib_before=%ld\npeak_kib=%ld\nlast_log_line=%s",
                window.urls.size(), seconds, before, PeakResidentKiB(),
                window.log.substr(lastLine == std::string::npos ? 0 : lastLine + 2).c_str());
    return 0;
}
