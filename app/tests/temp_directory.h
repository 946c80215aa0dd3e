// A fresh directory under the system's temporary directory, removed with what it holds.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/fsuid.h>
#include <unistd.h>
#endif

namespace urlpush::testing_support {

class TempDirectory {
  public:
    TempDirectory() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("urlpush-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    ~TempDirectory() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] std::string File(const char* name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

#ifndef _WIN32
// Write permission is not checked for root; while one of these lives, the file-system user
// id is another user's, so a read-only directory really refuses writes.
class AsOtherUser {
  public:
    AsOtherUser() : previous_(static_cast<uid_t>(setfsuid(geteuid() == 0 ? 65534 : geteuid()))) {}
    AsOtherUser(const AsOtherUser&) = delete;
    AsOtherUser& operator=(const AsOtherUser&) = delete;
    ~AsOtherUser() { setfsuid(previous_); }

  private:
    uid_t previous_;
};
#endif

}  // namespace urlpush::testing_support
