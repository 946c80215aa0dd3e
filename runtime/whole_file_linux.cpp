// Whole-file reading and replacing with POSIX calls; see whole_file.h.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/whole_file.h"

namespace urlpush {
namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { (void)Close(); }
    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// "dir/.name.XXXXXX" beside "dir/name", for mkstemp.
std::string TemporaryBeside(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "."
                                  : slash == 0               ? ""
                                                             : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return directory + "/." + name + ".XXXXXX";
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) return std::string();
        return std::nullopt;
    }
    std::string content;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) return content;
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
}

bool ReplaceWholeFile(const std::string& path, std::string_view content, unsigned newFileMode) {
    std::string temporary = TemporaryBeside(path);
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) return false;
    struct stat old {};
    mode_t mode;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = static_cast<mode_t>(newFileMode) & ~mask;
    }
    const bool written =
        ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), content) && ::fsync(fd.get()) == 0;
    if (!fd.Close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace urlpush
