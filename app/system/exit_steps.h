// Exit steps: routines registered during start-up that run once, in the order of their
// registration, when the program ends normally (a fatal stop drops them).
#pragma once

namespace urlpush {

using ExitStep = void (*)();

void RegisterExitStep(ExitStep step);

// Runs every registered step in registration order and forgets them.
void RunExitSteps();

}  // namespace urlpush
