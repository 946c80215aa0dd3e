// Install, resolve, select, attach and detach of the skin engine library.
#include "skin/skin_library.h"

#include <utility>

#include "engine/skin_engine_api.h"
#include "resources/carried_resources.h"
#include "runtime/fatal_stop.h"
#include "runtime/run_directory.h"
#include "skin/library_selection.h"
#include "skin/skin_files.h"
#include "skin/skin_places.h"

namespace urlpush {
namespace {

constexpr std::string_view kWrittenName = "jedata.dll";
constexpr std::string_view kEngineName = "SkinH_EL.dll";

Text& LibraryPath() {
    static Text path;
    return path;
}

// The library whose SkinH_AttachRes was called, and its file name; detach goes there.
struct AttachedEngine {
    LoadedLibrary* library = nullptr;
    Text path;
};

AttachedEngine& Attached() {
    static AttachedEngine attached;
    return attached;
}

Text WrittenLibraryName() {
    return ConcatText(skin_files::CurrentDirectory(), PathSeparator(), kWrittenName);
}

}  // namespace

const Text& SkinLibraryPath() { return LibraryPath(); }

void InstallSkinLibrary() {
    (void)skin_files::WriteLibraryImage(WrittenLibraryName(), CarriedSkinLibrary());
    ResolveSkinLibraryPath(WrittenLibraryName());
}

void ResolveSkinLibraryPath(std::string_view givenPath) {
    Text& path = LibraryPath();
    path = TrimText(givenPath);
    if (skin_files::NameExists(path)) return;
    // Both copies are looked at: the system directory's, when there, wins.
    const Text inRunDirectory = ConcatText(SkinRunDirectory(), PathSeparator(), kEngineName);
    if (skin_files::NameExists(inRunDirectory)) path = inRunDirectory;
    const Text inSystemDirectory = ConcatText(SystemDirectoryPath(), kEngineName);
    if (skin_files::NameExists(inSystemDirectory)) path = inSystemDirectory;
}

Text SystemDirectoryPath() {
    Text directory = ReportedSystemDirectory();
    if (CompareText(TextRight(directory, 1), PathSeparator()) != 0) {
        directory += PathSeparator();
    }
    return directory;
}

void AttachCarriedSkin(int first, int second, int third) {
    (void)AttachSkinData(CarriedSkin(), "", first, second, third);
}

bool AttachSkinData(std::string_view skin, std::string_view text, int first, int second,
                    int third) {
    if (!SelectSkinLibrary("SkinH_AttachRes")) return false;
    const SelectedFunction selected = TakeSelection();
    const auto attach = reinterpret_cast<SkinAttachFunction>(selected.address);
    const Text textArgument(text);
    const int result =
        attach(skin.empty() ? nullptr : reinterpret_cast<const unsigned char*>(skin.data()),
               static_cast<int>(skin.size()), SystemArg(textArgument), first, second, third);
    Attached() = {selected.library, SkinLibraryPath()};
    (void)SelectLibrary("", "");
    return result == 0;
}

bool SelectSkinLibrary(std::string_view exportName) {
    if (!skin_files::NameExists(SkinLibraryPath())) return false;
    return SelectLibrary(SkinLibraryPath(), exportName);
}

void DetachSkin() {
    const AttachedEngine attached = std::exchange(Attached(), {});
    if (attached.library != nullptr) {
        const auto detach =
            reinterpret_cast<SkinDetachFunction>(FindExport(attached.library, "SkinH_Detach"));
        if (detach == nullptr) {
            // "错误" / "<library> 中找不到函数 SkinH_Detach"
            FatalStop("\xB4\xED\xCE\xF3",
                      ConcatText(attached.path, " \xD6\xD0\xD5\xD2\xB2\xBB\xB5\xBD\xBA\xAF\xCA\xFD ",
                                 "SkinH_Detach"),
                      -1);
        }
        (void)detach();
    }
    (void)skin_files::DeleteFileNamed(WrittenLibraryName());
}

void ReleaseSkinLibraryPath() { Text().swap(LibraryPath()); }

}  // namespace urlpush
