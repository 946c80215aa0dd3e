// The Windows program: the Win32 window over the portable start-up.
#include <windows.h>

#include "app/submit_command.h"
#include "app/win32/win32_window_system.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    urlpush::win32::Win32WindowSystem system(
        [](urlpush::WindowServices& window) { urlpush::OnSubmitClicked(window); });
    return urlpush::RunProgram(system);
}
