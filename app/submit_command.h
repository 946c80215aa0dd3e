// The Submit command: posts the URL list of 编辑框2 to the push interface in 编辑框1 and
// logs each reply in 编辑框3.
#pragma once

#include <functional>
#include <string_view>

#include "app/window_services.h"
#include "text/text.h"

namespace urlpush {

// What one post brought back: the reply body and its HTTP status (0: no response).
struct PushResult {
    Bytes body;
    int status = 0;
};

// Posts `body` to the push interface at `url`.
using PushPoster = std::function<PushResult(std::string_view url, std::string_view body)>;

// The largest line count posted at once, and the batch size of a longer list.
inline constexpr int kBatchLines = 2000;

// The command itself, over any poster.
void RunSubmit(WindowServices& window, const PushPoster& post);

// The handler of 按钮1's clicked event: RunSubmit over the program's HTTP access.
void OnSubmitClicked(WindowServices& window);

}  // namespace urlpush
