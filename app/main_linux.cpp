// The Linux program: the Qt window over the portable start-up.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/qt/qt_window_system.h"
#include "app/submit_command.h"

namespace {

// Qt would abort with a long message of its own; say plainly what is missing instead.
bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "urlpush: no display to open the window on (DISPLAY is not set); "
                     "run it under a virtual one with: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication application(argc, argv);
    urlpush::QtWindowSystem system(
        [](urlpush::WindowServices& window) { urlpush::OnSubmitClicked(window); });
    return urlpush::RunProgram(system);
}
