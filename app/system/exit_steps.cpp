// The list of exit steps.
#include "app/system/exit_steps.h"

#include <vector>

namespace urlpush {
namespace {

std::vector<ExitStep>& Steps() {
    static std::vector<ExitStep> steps;
    return steps;
}

}  // namespace

void RegisterExitStep(ExitStep step) { Steps().push_back(step); }

void RunExitSteps() {
    std::vector<ExitStep> steps;
    steps.swap(Steps());
    for (const ExitStep step : steps) step();
}

}  // namespace urlpush
