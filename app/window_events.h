// The handlers of MainWindow's events other than 按钮1's click (the Submit command):
// created, about to be destroyed, and 编辑框1's text changed.
#pragma once

#include "app/main_window.h"
#include "text/text.h"

namespace urlpush {

// RunDirectory followed by the separator and "Config.ini".
[[nodiscard]] Text ConfigPath();

// Puts Config.ini into `directory` instead of the run directory; for tests, which must
// not write beside the test program. An empty directory restores the run directory.
void UseConfigDirectory(std::string_view directory);

// Once, after the window and its controls exist and before it is first shown: attaches
// the skin, then puts the stored address into 编辑框1 (which writes it straight back).
void OnWindowCreated(MainWindow& window);

// Once, while the window is being destroyed and its controls still exist.
void OnWindowDestroying(MainWindow& window);

// Every change of 编辑框1's text: one write of Config.ini, its failure ignored.
void OnInterfaceTextChanged(MainWindow& window);

}  // namespace urlpush
