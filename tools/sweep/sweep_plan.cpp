// Builds and thins the list of runs a sweep makes.
#include "tools/sweep/sweep_plan.h"

#include <algorithm>

namespace sweep {

std::vector<PlannedRun> planRuns(const std::map<std::string, int32_t>& callCounts)
{
    std::vector<PlannedRun> plan;
    for (const auto& [call, count] : callCounts) {
        for (int32_t nth = 1; nth <= count; ++nth)
            plan.push_back({call, nth});
    }
    return plan;
}

std::vector<PlannedRun> samplePlan(const std::vector<PlannedRun>& plan, size_t limit)
{
    if (limit == 0 || limit >= plan.size())
        return plan;
    std::vector<bool> chosen(plan.size(), false);
    size_t taken = 0;
    for (size_t index = 0; index < plan.size() && taken < limit; ++index) {
        if (plan[index].nth != 1)
            continue;
        chosen[index] = true;
        ++taken;
    }
    // The rest of the budget goes to later calls, evenly spaced over the plan.
    const size_t rest = limit - taken;
    for (size_t step = 0; step < rest; ++step) {
        size_t index = (step * plan.size()) / rest;
        while (index < plan.size() && chosen[index])
            ++index;
        if (index == plan.size())
            break;
        chosen[index] = true;
    }
    std::vector<PlannedRun> sample;
    for (size_t index = 0; index < plan.size(); ++index) {
        if (chosen[index])
            sample.push_back(plan[index]);
    }
    return sample;
}

} // namespace sweep
