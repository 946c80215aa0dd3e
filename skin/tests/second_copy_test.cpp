// Two copies of the Linux program started from one folder, as separate processes: the
// second still attaches the skin from the jedata.dll it writes, and the first keeps the file
// it loaded and keeps running.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "app/tests/temp_directory.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A started copy of the program, ended with SIGTERM when the test is done with it.
class Running {
  public:
    explicit Running(const fs::path& program) {
        pid_ = fork();
        if (pid_ == 0) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    ~Running() {
        if (Alive()) kill(pid_, SIGTERM);
        (void)Status();
    }

    [[nodiscard]] bool Alive() {
        return !ended_ && waitpid(pid_, &status_, WNOHANG) == 0;
    }
    int Status() {
        if (!ended_) waitpid(pid_, &status_, 0);
        ended_ = true;
        return status_;
    }

    // The line of /proc/<pid>/maps that maps `file`, or "".
    [[nodiscard]] std::string Mapping(const fs::path& file) const {
        std::ifstream maps("/proc/" + std::to_string(pid_) + "/maps");
        for (std::string line; std::getline(maps, line);) {
            if (line.find(file.string()) != std::string::npos) return line;
        }
        return {};
    }

    // Waits up to ten seconds for the process to map `file`.
    [[nodiscard]] std::string AwaitMapping(const fs::path& file) {
        for (int i = 0; i < 100 && Alive(); ++i) {
            if (std::string line = Mapping(file); !line.empty()) return line;
            std::this_thread::sleep_for(100ms);
        }
        return {};
    }

  private:
    pid_t pid_;
    int status_ = 0;
    bool ended_ = false;
};

TEST(SecondCopy, AttachesWhileTheFirstRunsOnUnharmed) {
    const urlpush::testing_support::TempDirectory dir;
    const fs::path& folder = dir.path();
    const fs::path program = folder / "urlpush", written = folder / "jedata.dll";
    fs::copy_file(PROGRAM_PATH, program);
    {
        Running first(program);
        const std::string firstMapping = first.AwaitMapping(written);
        ASSERT_FALSE(firstMapping.empty()) << "the first copy never attached";

        Running second(program);
        const std::string secondMapping = second.AwaitMapping(written);
        ASSERT_FALSE(secondMapping.empty()) << "the second copy never attached";
        EXPECT_EQ(secondMapping.find("(deleted)"), std::string::npos) << secondMapping;

        std::this_thread::sleep_for(1s);
        EXPECT_TRUE(first.Alive()) << "the first copy ended, status " << first.Status();
        // The first keeps the file it loaded, now without a name.
        EXPECT_NE(first.Mapping(written).find("(deleted)"), std::string::npos)
            << first.Mapping(written);
        EXPECT_TRUE(second.Alive());
    }
}

}  // namespace
