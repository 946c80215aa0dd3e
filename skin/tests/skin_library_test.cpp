// The skin steps in temporary directories, with stand-in engines that record their calls:
// the written image, the order in which library files are chosen, the attach's arguments,
// and the detach going to the library the attach used.
#include "skin/skin_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "resources/carried_resources.h"
#include "runtime/fatal_stop.h"
#include "runtime/library_binding.h"
#include "runtime/run_directory.h"
#include "skin/skin_places.h"
#include "skin/tests/fake_engine_record.h"

namespace urlpush {
namespace {

namespace fs = std::filesystem;

struct FatalReport {
    std::string title, message;
};

[[noreturn]] void ThrowReport(std::string_view title, std::string_view message) {
    throw FatalReport{std::string(title), std::string(message)};
}

std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Text Fake(std::string_view name) {
    return ConcatText(RunDirectory(), PathSeparator(), "fakes", PathSeparator(), name);
}

// The record of the stand-in engine loaded from `path` (loading it if it is not yet).
const FakeEngineRecord& RecordOf(const fs::path& path) {
    using Calls = FakeEngineRecord* (*)();
    const auto calls =
        reinterpret_cast<Calls>(FindExport(LoadLibraryFile(path.string()).library, "FakeEngineCalls"));
    if (calls == nullptr) throw std::runtime_error("no stand-in engine at " + path.string());
    return *calls();
}

// A run directory (also the current one) and a system directory under a fresh temporary
// directory, put in place of the real ones.
class SkinSteps : public testing::Test {
  protected:
    void SetUp() override {
        previousReporter_ = SetFatalReporter(ThrowReport);
        original_ = fs::current_path();
        std::random_device random;
        root_ = fs::temp_directory_path() / ("urlpush-skin-" + std::to_string(random()));
        run_ = root_ / "run";
        system_ = root_ / "system";
        fs::create_directories(run_);
        fs::create_directories(system_);
        fs::current_path(run_);
        run_ = fs::current_path();  // as the system spells it
        (void)UseSkinPlaces({run_.string(), system_.string()});
    }

    void TearDown() override {
        try {
            DetachSkin();
        } catch (const FatalReport&) {
        }
        (void)UseSkinPlaces({});
        ReleaseSkinLibraryPath();
        fs::current_path(original_);
        std::error_code ignored;  // a loaded library's file may refuse on Windows
        fs::remove_all(root_, ignored);
        SetFatalReporter(previousReporter_);
    }

    void Place(std::string_view fake, const fs::path& as) {
        fs::copy_file(Fake(fake), as, fs::copy_options::overwrite_existing);
    }

    [[nodiscard]] bool PathIs(const fs::path& expected) const {
        std::error_code error;
        return fs::equivalent(SkinLibraryPath(), expected, error);
    }

    fs::path root_, run_, system_;
    fs::path written_ = "jedata.dll";

  private:
    fs::path original_;
    FatalReporter previousReporter_ = nullptr;
};

TEST_F(SkinSteps, InstallWritesTheCarriedImageAndChoosesIt) {
    InstallSkinLibrary();
    const fs::path written = run_ / "jedata.dll";
    EXPECT_EQ(ReadWhole(written), CarriedSkinLibrary());
    EXPECT_TRUE(PathIs(written)) << SkinLibraryPath();
#ifdef _WIN32
    EXPECT_EQ(CarriedSkinLibrary().substr(0, 2), "MZ");
#else
    EXPECT_EQ(CarriedSkinLibrary().substr(0, 4), "\x7F" "ELF");
#endif
}

TEST_F(SkinSteps, InstallOverwritesALongerFileLeftByAnEarlierRun) {
    const fs::path written = run_ / "jedata.dll";
    std::ofstream(written, std::ios::binary) << std::string(CarriedSkinLibrary().size() * 2, 'x');
    InstallSkinLibrary();
    EXPECT_EQ(ReadWhole(written), CarriedSkinLibrary());
}

// Which file ResolveSkinLibraryPath settles on, given which candidates exist.
struct ResolveCase {
    const char* label;
    bool written, runCopy, systemCopy;
    const char* chosen;  // "written", "run" or "system"
};

class Resolution : public SkinSteps, public testing::WithParamInterface<ResolveCase> {};

TEST_P(Resolution, ChoosesAndAttachesFrom) {
    const ResolveCase& row = GetParam();
    const fs::path written = run_ / "jedata.dll", runCopy = run_ / "SkinH_EL.dll",
                   systemCopy = system_ / "SkinH_EL.dll";
    if (row.written) Place("fake_engine.dll", written);
    if (row.runCopy) Place("fake_engine.dll", runCopy);
    if (row.systemCopy) Place("fake_engine.dll", systemCopy);

    ResolveSkinLibraryPath(written.string());
    const fs::path expected = std::string_view(row.chosen) == "written" ? written
                              : std::string_view(row.chosen) == "run"   ? runCopy
                                                                        : systemCopy;
    ASSERT_TRUE(PathIs(expected)) << SkinLibraryPath();
    AttachCarriedSkin(0, 0, 0);
    EXPECT_EQ(RecordOf(expected).attachCalls, 1);
    for (const fs::path& other : {written, runCopy, systemCopy}) {
        if (other != expected && fs::exists(other)) {
            EXPECT_EQ(RecordOf(other).attachCalls, 0) << other;
        }
    }
}

constexpr ResolveCase kResolveCases[] = {
    {"WrittenFileOnly", true, false, false, "written"},
    {"WrittenFileWinsOverBothCopies", true, true, true, "written"},
    {"RunDirectoryCopyWhenNothingWasWritten", false, true, false, "run"},
    {"SystemCopyWinsOverRunCopy", false, true, true, "system"},
    {"SystemCopyAlone", false, false, true, "system"},
};
INSTANTIATE_TEST_SUITE_P(Candidates, Resolution, testing::ValuesIn(kResolveCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SkinSteps, NothingUsableKeepsTheMissingNameAndAttachesNothing) {
    ResolveSkinLibraryPath((run_ / "jedata.dll").string());
    EXPECT_EQ(fs::path(SkinLibraryPath()), run_ / "jedata.dll");
    EXPECT_FALSE(AttachSkinData(CarriedSkin(), "", 0, 0, 0));  // and no fatal report
    DetachSkin();                                              // nothing attached: no stop
}

TEST_F(SkinSteps, AGivenPathIsTrimmedOfBlanks) {
    const fs::path written = run_ / "jedata.dll";
    Place("fake_engine.dll", written);
    ResolveSkinLibraryPath(ConcatText("  ", written.string(), " \xA1\xA1"));
    EXPECT_EQ(SkinLibraryPath(), written.string());
    EXPECT_TRUE(AttachSkinData("skin", "", 0, 0, 0));
    EXPECT_EQ(RecordOf(written).attachCalls, 1);
}

struct SystemDirectoryCase {
    const char* label;
    const char* reported;  // after the temporary root
    const char* expected;
};

class SystemDirectory : public SkinSteps,
                        public testing::WithParamInterface<SystemDirectoryCase> {};

TEST_P(SystemDirectory, EndsInExactlyOneSeparator) {
    const Text base = root_.string();
    const Text separator(PathSeparator());
    auto spell = [&](const char* tail) { return ReplaceText(ConcatText(base, tail), "|", separator); };
    (void)UseSkinPlaces({run_.string(), spell(GetParam().reported)});
    EXPECT_EQ(SystemDirectoryPath(), spell(GetParam().expected));
}

constexpr SystemDirectoryCase kSystemDirectoryCases[] = {
    {"WithoutSeparator", "|system", "|system|"},
    {"AlreadyEndingInOne", "|system|", "|system|"},
};
INSTANTIATE_TEST_SUITE_P(Reported, SystemDirectory, testing::ValuesIn(kSystemDirectoryCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SkinSteps, TheRealSystemDirectory) {
    (void)UseSkinPlaces({});
#ifdef _WIN32
    EXPECT_EQ(ToLower(TextRight(SystemDirectoryPath(), 10)), "\\system32\\");
#else
    EXPECT_EQ(SystemDirectoryPath(), "/usr/lib/");
#endif
}

TEST_F(SkinSteps, AttachHandsOverTheCarriedSkinItself) {
    const fs::path written = run_ / "jedata.dll";
    Place("fake_engine.dll", written);
    ResolveSkinLibraryPath(written.string());
    AttachCarriedSkin(0, 0, 0);
    const FakeEngineRecord& record = RecordOf(written);
    EXPECT_EQ(record.attachCalls, 1);
    EXPECT_EQ(static_cast<const void*>(record.skin), static_cast<const void*>(CarriedSkin().data()));
    EXPECT_EQ(record.length, static_cast<int>(CarriedSkin().size()));
    EXPECT_EQ(record.text, nullptr);
    EXPECT_EQ(record.first, 0);
    EXPECT_EQ(record.second, 0);
    EXPECT_EQ(record.third, 0);
    EXPECT_FALSE(LoadLibraryFile(written.string()).loadedNow) << "the attach loaded it";
}

TEST_F(SkinSteps, AnEngineAnswerOtherThanZeroIsARefusal) {
    Place("fake_engine.dll", written_);
    ResolveSkinLibraryPath((run_ / written_).string());
    EXPECT_FALSE(AttachSkinData("skin", "", 7, 0, 0));  // the stand-in answers with `first`
    EXPECT_EQ(RecordOf(run_ / written_).attachCalls, 1);
}

TEST_F(SkinSteps, ALibraryWithoutTheAttachIsSkippedSilently) {
    Place("fake_without_attach.dll", written_);
    ResolveSkinLibraryPath((run_ / written_).string());
    EXPECT_FALSE(AttachSkinData("skin", "", 0, 0, 0));
    const FakeEngineRecord& record = RecordOf(run_ / written_);
    DetachSkin();  // no attach was made: SkinH_Detach is not called
    EXPECT_EQ(record.detachCalls, 0);
}

TEST_F(SkinSteps, CloseDetachesThroughTheLoadedLibrary) {
    InstallSkinLibrary();  // the real image is written, then a stand-in takes its place
    ResolveSkinLibraryPath("");
    Place("fake_engine.dll", written_);
    ResolveSkinLibraryPath((run_ / written_).string());
    AttachCarriedSkin(0, 0, 0);
    DetachSkin();
    EXPECT_EQ(RecordOf(run_ / written_).detachCalls, 1);
#ifdef _WIN32
    EXPECT_TRUE(fs::exists(run_ / written_)) << "a loaded library's file refuses the delete";
#endif
}

TEST_F(SkinSteps, CloseDetachesFromTheSystemCopyTheAttachUsed) {
    const fs::path systemCopy = system_ / "SkinH_EL.dll";
    Place("fake_engine.dll", systemCopy);
    ResolveSkinLibraryPath((run_ / written_).string());
    AttachCarriedSkin(0, 0, 0);
    DetachSkin();  // no jedata.dll anywhere, and yet no fatal stop
    EXPECT_EQ(RecordOf(systemCopy).detachCalls, 1);
}

TEST_F(SkinSteps, CloseWithoutAnAttachStillDeletesTheWrittenFile) {
    std::ofstream(run_ / written_) << "left over";
    DetachSkin();
    EXPECT_FALSE(fs::exists(run_ / written_));
}

TEST_F(SkinSteps, AnAttachedLibraryWithoutTheDetachIsAFatalStop) {
    Place("fake_without_detach.dll", written_);
    ResolveSkinLibraryPath((run_ / written_).string());
    AttachCarriedSkin(0, 0, 0);
    try {
        DetachSkin();
        FAIL() << "no fatal stop";
    } catch (const FatalReport& report) {
        EXPECT_EQ(report.title, "\xB4\xED\xCE\xF3");
        EXPECT_NE(report.message.find("SkinH_Detach"), std::string::npos) << report.message;
        EXPECT_NE(report.message.find("jedata.dll"), std::string::npos) << report.message;
    }
    EXPECT_TRUE(fs::exists(run_ / written_)) << "the stop comes before the delete";
}

#ifndef _WIN32
TEST_F(SkinSteps, AnUnwritableDirectoryFallsBackToTheCopies) {
    Place("fake_engine.dll", run_ / "SkinH_EL.dll");
    Place("fake_engine.dll", system_ / "SkinH_EL.dll");
    fs::current_path("/proc");  // no file can be made here, not even by root
    InstallSkinLibrary();
    EXPECT_TRUE(PathIs(system_ / "SkinH_EL.dll")) << SkinLibraryPath();
}
#endif

}  // namespace
}  // namespace urlpush
