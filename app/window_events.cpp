// The window's event handlers: the remembered address in Config.ini, and the skin steps.
#include "app/window_events.h"

#include "app/settings/profile.h"
#include "app/skin_steps.h"
#include "runtime/run_directory.h"

namespace urlpush {

namespace {

Text& ConfigDirectory() {
    static Text directory;
    return directory;
}

}  // namespace

void UseConfigDirectory(std::string_view directory) { ConfigDirectory() = Text(directory); }

Text ConfigPath() {
    const Text& directory = ConfigDirectory().empty() ? RunDirectory() : ConfigDirectory();
    return ConcatText(directory, PathSeparator(), "Config.ini");
}

void OnWindowCreated(MainWindow& window) {
    AttachCarriedSkin(0, 0, 0);
    const Text value = ReadProfileText(ConfigPath(), "Config", "url");
    window.SetBoxText(Box::编辑框1, value);  // runs OnInterfaceTextChanged, which writes it back
}

void OnWindowDestroying(MainWindow& /*window*/) { DetachSkin(); }

void OnInterfaceTextChanged(MainWindow& window) {
    (void)WriteProfileText(ConfigPath(), "Config", "url", window.BoxText(Box::编辑框1));
}

}  // namespace urlpush
