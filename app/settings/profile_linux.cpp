// The profile functions on Linux: Config.ini is UTF-8 on disk, and a write replaces the
// whole file through a temporary file and a rename, so a crash never leaves half a file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "app/settings/ini_text.h"
#include "app/settings/profile.h"
#include "text/encoding.h"

namespace urlpush {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The whole file, or nothing when it cannot be read; a missing file reads as empty.
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

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string DirectoryPart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes `content` to a new file beside `path` and renames it over `path`.
bool ReplaceFile(const std::string& path, std::string_view content) {
    std::string temporary = DirectoryPart(path) + "/.Config.ini.XXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) return false;
    struct stat old {};
    mode_t mode;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const bool written = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), content) &&
                         ::fsync(fd.get()) == 0;
    if (!fd.Close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

Text ReadProfileText(std::string_view file, std::string_view section, std::string_view key) {
    file = SkipLeadingControls(file);
    section = SkipLeadingControls(section);
    key = SkipLeadingControls(key);
    if (file.empty() || section.empty() || key.empty()) return {};
    const auto content = ReadWholeFile(GbkToUtf8(file));
    if (!content) return {};
    std::string_view body = *content;
    if (body.starts_with(kUtf8Mark)) body.remove_prefix(kUtf8Mark.size());
    const auto value = FindIniValue(body, GbkToUtf8(section), GbkToUtf8(key));
    if (!value) return {};
    return TextLeft(ToText(Utf8ToGbk(*value)), kProfileValueLimit);
}

bool WriteProfileText(std::string_view file, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string path = GbkToUtf8(file);
    const auto content = ReadWholeFile(path);
    if (!content) return false;
    std::string_view body = *content;
    const bool marked = body.starts_with(kUtf8Mark);
    if (marked) body.remove_prefix(kUtf8Mark.size());
    std::string updated = marked ? std::string(kUtf8Mark) : std::string();
    updated += SetIniValue(body, GbkToUtf8(section), GbkToUtf8(key), GbkToUtf8(value));
    return ReplaceFile(path, updated);
}

}  // namespace urlpush
