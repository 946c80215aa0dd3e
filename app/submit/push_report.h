// Reading one reply of the push interface into the text the log gets for it.
#pragma once

#include <string_view>

#include "text/text.h"

namespace urlpush {

enum class PushMode {
    kSingle,  // the whole list in one post: the report names what remains
    kBatch,   // one batch of a longer list
};

// The report of one post. `replyBody` is the reply as received (JSON, UTF-8); `status` is
// the HTTP status of the reply, 0 when no response arrived. A success reply is a JSON object
// with a number "success"; every other outcome is a failure line that names its reason and
// ends the line.
[[nodiscard]] Text PushReport(std::string_view replyBody, int status, PushMode mode);

}  // namespace urlpush
