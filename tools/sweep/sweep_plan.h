// The runs of a fault sweep: one per host call the clean run made, optionally thinned to a sample.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sweep {

struct PlannedRun {
    std::string call;
    int32_t nth = 0;
    bool operator==(const PlannedRun&) const = default;
};

/// Every (call, n) with n from 1 to the call's count, calls in name order.
std::vector<PlannedRun> planRuns(const std::map<std::string, int32_t>& callCounts);

/// `limit` runs spread evenly over the plan, always keeping the first of each call so that every
/// operation is failed at least once when the limit allows; the whole plan when `limit` is 0 or larger.
std::vector<PlannedRun> samplePlan(const std::vector<PlannedRun>& plan, size_t limit);

} // namespace sweep
