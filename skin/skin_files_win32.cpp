// The skin steps' file system on Windows: the profile of calls the program has always made
// (GetCurrentDirectoryA into 260 characters, FindFirstFileA, an exclusive whole-file write,
// DeleteFileA, GetSystemDirectoryA bound from kernel32 on first use).
#include <windows.h>

#include <memory>

#include "runtime/library_binding.h"
#include "skin/skin_files.h"

namespace urlpush::skin_files {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

struct SearchCloser {
    void operator()(HANDLE handle) const { FindClose(handle); }
};
using SearchHandle = std::unique_ptr<void, SearchCloser>;

constinit BoundFunction<UINT(WINAPI*)(LPSTR, UINT)> getSystemDirectory{"kernel32",
                                                                       "GetSystemDirectoryA"};

}  // namespace

Text CurrentDirectory() {
    Text directory = BlankText(260);
    const DWORD length = GetCurrentDirectoryA(260, directory.data());
    if (length == 0 || length >= 260) return Text();
    return ToText(directory);
}

Text SystemDirectory() {
    Text buffer = BlankText(255);
    (void)getSystemDirectory(buffer.data(), 255);
    return ToText(buffer);
}

bool NameExists(const Text& name) {
    if (name.empty()) return false;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    SearchHandle owner(search);
    return true;
}

bool WriteLibraryImage(const Text& path, std::string_view bytes) {
    const HANDLE opened = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    FileHandle file(opened);
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) ||
            written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool DeleteFileNamed(const Text& path) { return DeleteFileA(path.c_str()) != FALSE; }

}  // namespace urlpush::skin_files
