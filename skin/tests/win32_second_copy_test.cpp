// Two copies of the Windows program started from one folder, as separate processes: the
// second cannot rewrite the jedata.dll the first has loaded, attaches from that file all
// the same, and the first keeps running; both close normally and leave the file on disk.
#include <windows.h>

#include <tlhelp32.h>  // after windows.h, which it needs

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "app/tests/temp_directory.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A started copy of the program; closed through its window, or ended, when the test is done.
class Running {
  public:
    explicit Running(const fs::path& program) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program.wstring() + L"\"";
        const std::wstring folder = program.parent_path().wstring();
        started_ = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, folder.c_str(), &startup, &process_) != FALSE;
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    ~Running() {
        if (started_ && Alive()) TerminateProcess(process_.hProcess, 1);
        if (started_) {
            WaitForSingleObject(process_.hProcess, 10000);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }

    [[nodiscard]] bool Alive() const {
        return started_ && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
    }

    // The full name of the process's module whose file name is `name`, or "".
    [[nodiscard]] std::wstring Module(const wchar_t* name) const {
        const HANDLE snapshot =
            CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, process_.dwProcessId);
        if (snapshot == INVALID_HANDLE_VALUE) return {};
        std::wstring found;
        MODULEENTRY32W entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Module32FirstW(snapshot, &entry); more && found.empty();
             more = Module32NextW(snapshot, &entry)) {
            if (lstrcmpiW(entry.szModule, name) == 0) found = entry.szExePath;
        }
        CloseHandle(snapshot);
        return found;
    }

    // Waits up to twenty seconds for the process to load the module `name`.
    [[nodiscard]] std::wstring AwaitModule(const wchar_t* name) const {
        for (int i = 0; i < 200 && Alive(); ++i) {
            if (std::wstring path = Module(name); !path.empty()) return path;
            std::this_thread::sleep_for(100ms);
        }
        return {};
    }

    // Closes the window as its close box does and returns the exit code, or -2 when the
    // process did not end within ten seconds.
    int Close() {
        EnumWindows(CloseIfOurs, reinterpret_cast<LPARAM>(this));
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) return -2;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<int>(code);
    }

    [[nodiscard]] bool started() const { return started_; }

  private:
    static BOOL CALLBACK CloseIfOurs(HWND window, LPARAM self) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == reinterpret_cast<Running*>(self)->process_.dwProcessId &&
            IsWindowVisible(window)) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        return TRUE;
    }

    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

TEST(SecondCopy, AttachesFromTheFileTheFirstHoldsAndBothCloseNormally) {
    const urlpush::testing_support::TempDirectory dir;
    const fs::path& folder = dir.path();
    const fs::path program = folder / "urlpush.exe", written = folder / "jedata.dll";
    fs::copy_file(PROGRAM_PATH, program);
    {
        Running first(program);
        ASSERT_TRUE(first.started());
        const std::wstring firstModule = first.AwaitModule(L"jedata.dll");
        ASSERT_FALSE(firstModule.empty()) << "the first copy never attached";
        EXPECT_TRUE(fs::equivalent(firstModule, written));
        const auto writtenAt = fs::last_write_time(written);
        std::this_thread::sleep_for(1100ms);  // a rewrite would show in the time

        Running second(program);
        ASSERT_TRUE(second.started());
        const std::wstring secondModule = second.AwaitModule(L"jedata.dll");
        ASSERT_FALSE(secondModule.empty()) << "the second copy never attached";
        EXPECT_TRUE(fs::equivalent(secondModule, written));
        EXPECT_EQ(fs::last_write_time(written), writtenAt) << "the loaded file was rewritten";

        std::this_thread::sleep_for(1s);
        EXPECT_TRUE(first.Alive());
        EXPECT_TRUE(second.Alive());
        EXPECT_EQ(second.Close(), 0);
        EXPECT_EQ(first.Close(), 0);
    }
    EXPECT_TRUE(fs::exists(written)) << "the delete at close fails while the file is loaded";
}

}  // namespace
