// The start-up and shutdown order, with the skin steps where they belong.
#include "app/startup.h"

#include "app/skin_steps.h"
#include "app/system/current_directory.h"
#include "app/system/exit_steps.h"
#include "app/window_events.h"
#include "runtime/run_directory.h"

namespace urlpush {

int RunProgram(WindowSystem& system) {
    // The run directory becomes the current directory before anything else, so that files
    // named relative to either land in the same place. A refusal changes nothing else.
    (void)MakeCurrentDirectory(RunDirectory());
    RegisterExitStep(ReleaseSkinLibraryPath);  // skin step
    InstallSkinLibrary();                      // skin step

    MainWindow& window = system.CreateMainWindow();
    OnWindowCreated(window);
    system.ShowMainWindow();
    const int exitCode = system.RunMessageLoop();

    RunExitSteps();
    return exitCode;
}

}  // namespace urlpush
