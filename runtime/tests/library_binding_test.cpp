// The binding rules against small libraries built beside this test: the run directory
// before the system's search, reuse of a loaded library, and the fatal stop's report.
#include "runtime/library_binding.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/fatal_stop.h"
#include "runtime/run_directory.h"

namespace urlpush {
namespace {

struct FatalReport {
    std::string title, message;
};

[[noreturn]] void ThrowReport(std::string_view title, std::string_view message) {
    throw FatalReport{std::string(title), std::string(message)};
}

using Probe = int (*)();

class LibraryBinding : public testing::Test {
  protected:
    void SetUp() override { previous_ = SetFatalReporter(ThrowReport); }
    void TearDown() override { SetFatalReporter(previous_); }

    // The fatal report of binding `function` from `library`; fails when there is none.
    static FatalReport StopOf(const std::string& library, const std::string& function) {
        try {
            (void)BindFunction(library, function);
        } catch (const FatalReport& report) {
            return report;
        }
        ADD_FAILURE() << "bound " << function << " of " << library;
        return {};
    }

  private:
    FatalReporter previous_ = nullptr;
};

TEST_F(LibraryBinding, FindsALibraryOnlyTheSystemSearchReaches) {
    BoundFunction<Probe> answer{"urlpush_search_probe" PROBE_SUFFIX, "ProbeAnswer"};
    EXPECT_EQ(answer(), 42);
}

TEST_F(LibraryBinding, PrefersTheRunDirectoryCopy) {
    // The run directory's copy exports ProbeAnswer, the searched one does not.
    BoundFunction<Probe> answer{"urlpush_first_probe" PROBE_SUFFIX, "ProbeAnswer"};
    EXPECT_EQ(answer(), 42);
}

TEST_F(LibraryBinding, AsksOnlyTheFirstLibraryThatLoads) {
    // The run directory's copy lacks ProbeAnswer; the searched copy has it but is not tried.
    const FatalReport report = StopOf("urlpush_order_probe" PROBE_SUFFIX, "ProbeAnswer");
    EXPECT_NE(report.message.find("urlpush_order_probe" PROBE_SUFFIX), std::string::npos);
    EXPECT_NE(report.message.find("ProbeAnswer"), std::string::npos);
}

TEST_F(LibraryBinding, MissingLibraryIsAFatalStopNamingLibraryAndFunction) {
    const FatalReport report = StopOf("urlpush_no_such_probe" PROBE_SUFFIX, "ProbeAnswer");
    EXPECT_EQ(report.title, "\xB4\xED\xCE\xF3");
    EXPECT_EQ(report.message, "urlpush_no_such_probe" PROBE_SUFFIX
                              " \xD6\xD0\xD5\xD2\xB2\xBB\xB5\xBD\xBA\xAF\xCA\xFD ProbeAnswer");
}

TEST_F(LibraryBinding, BindsOnFirstCallNotAtConstruction) {
    BoundFunction<Probe> missing{"urlpush_no_such_probe" PROBE_SUFFIX, "ProbeAnswer"};
    EXPECT_THROW((void)missing(), FatalReport);
}

TEST_F(LibraryBinding, ReusesALoadedLibraryByAbsoluteNameWithoutRegardToCase) {
    const Text path =
        ConcatText(RunDirectory(), PathSeparator(), "urlpush_first_probe" PROBE_SUFFIX);
    const LibraryLoad first = LoadLibraryFile(path);
    ASSERT_NE(first.library, nullptr);
    const LibraryLoad again = LoadLibraryFile(path);
    EXPECT_EQ(again.library, first.library);
    EXPECT_FALSE(again.loadedNow);
    // No file has this spelling on a case-sensitive system: only the name can match it.
    Text shouted = path;
    const auto at = shouted.rfind("urlpush_first_probe");
    shouted.replace(at, 19, "URLPUSH_FIRST_PROBE");
    const LibraryLoad shoutedLoad = LoadLibraryFile(shouted);
    EXPECT_EQ(shoutedLoad.library, first.library);
    EXPECT_FALSE(shoutedLoad.loadedNow);
    EXPECT_NE(FindExport(first.library, "ProbeAnswer"), nullptr);
    EXPECT_EQ(FindExport(first.library, "NoSuchExport"), nullptr);
}

TEST_F(LibraryBinding, ARelativeNameIsMadeAbsoluteAgainstTheCurrentDirectory) {
    const LibraryLoad missing = LoadLibraryFile("urlpush_no_such_probe" PROBE_SUFFIX);
    EXPECT_EQ(missing.library, nullptr);
    EXPECT_FALSE(missing.loadedNow);
}

#ifdef _WIN32
constexpr int kExitMinusOne = -1;
#else
constexpr int kExitMinusOne = 255;  // -1 as the low byte a POSIX exit status keeps
#endif

TEST(LibraryBindingDeathTest, FatalStopEndsTheProcessWithExitCodeMinusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SetFatalReporter(ReportFatalToStandardError);
            (void)BindFunction("urlpush_order_probe" PROBE_SUFFIX, "ProbeAnswer");
        },
        testing::ExitedWithCode(kExitMinusOne), "urlpush_order_probe.*ProbeAnswer");
}

}  // namespace
}  // namespace urlpush
