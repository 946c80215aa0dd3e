// The Submit command's posts go out through WebAccess: POST, the URL list as the body,
// every other parameter left out; the status is read from the raw reply headers.
#include "app/submit_command.h"
#include "web/web_access.h"

namespace urlpush {

void OnSubmitClicked(WindowServices& window) {
    RunSubmit(window, [](std::string_view url, std::string_view body) {
        Text headers;
        PushResult result;
        result.body = WebAccess(url, 1, body, nullptr, nullptr, nullptr, &headers);
        result.status = StatusCodeOf(headers);
        return result;
    });
}

}  // namespace urlpush
