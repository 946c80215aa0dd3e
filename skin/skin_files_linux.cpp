// The skin steps' file system on Linux. The library image goes to a new file in the same
// directory that is then renamed over jedata.dll: a running copy that has the old file
// mapped keeps its pages, where rewriting the file in place would change its code.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "skin/skin_files.h"

namespace urlpush::skin_files {
namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }
    [[nodiscard]] int get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

Text CurrentDirectory() {
    char directory[PATH_MAX];
    return getcwd(directory, sizeof directory) != nullptr ? Text(directory) : Text();
}

Text SystemDirectory() { return "/usr/lib/"; }

bool NameExists(const Text& name) {
    struct stat entry;
    return !name.empty() && lstat(name.c_str(), &entry) == 0;
}

bool WriteLibraryImage(const Text& path, std::string_view bytes) {
    Text temporary = path + ".XXXXXX";
    FileDescriptor file(mkstemp(temporary.data()));
    if (file.get() < 0) return false;
    const bool written = fchmod(file.get(), 0755) == 0 && WriteAll(file.get(), bytes);
    if (!file.Close() || !written || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool DeleteFileNamed(const Text& path) { return unlink(path.c_str()) == 0; }

}  // namespace urlpush::skin_files
