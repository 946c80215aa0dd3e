// A fatal stop reported on Windows: a task-modal message box with an error icon and no
// owner window.
#include <windows.h>

#include <string>

#include "runtime/fatal_report.h"

namespace urlpush {

void ReportFatalByDefault(std::string_view title, std::string_view message) {
    const std::string caption(title), text(message);
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace urlpush
