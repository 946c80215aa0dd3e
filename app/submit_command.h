// The Submit command: posts the URL list of 编辑框2 to the push interface in 编辑框1 and
// logs each reply in 编辑框3.
#pragma once

#include "app/window_services.h"

namespace urlpush {

// The handler of 按钮1's clicked event.
void OnSubmitClicked(WindowServices& window);

}  // namespace urlpush
