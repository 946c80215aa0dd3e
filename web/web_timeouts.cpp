// The process-wide request timeouts.
#include "web/web_timeouts.h"

namespace urlpush {
namespace {
WebTimeouts g_timeouts;
}  // namespace

WebTimeouts SetWebTimeouts(WebTimeouts timeouts) {
    const WebTimeouts previous = g_timeouts;
    g_timeouts = timeouts;
    return previous;
}

WebTimeouts CurrentWebTimeouts() { return g_timeouts; }

}  // namespace urlpush
