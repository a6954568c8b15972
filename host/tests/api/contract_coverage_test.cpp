// How much of the contract the host serves: every operation of xtapi/operations.def and
// xtapi/components.def that no area registers, listed with its count. A plug-in that calls one of them
// reaches the host's trap, so a new plug-in's author reads this list first. It never fails on a
// nonzero count; CI prints it.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "host/api/operation_areas.h"
#include "xtapi/components.h"
#include "xtapi/operations.h"

namespace host_tests {
namespace {

struct ComponentOperation {
    xt::FourLetterCode component;
    int32_t reference;
    size_t slot;
    const char* name;
};

constexpr ComponentOperation kComponentOperations[] = {
#define XT_COMPONENT_OP(code, ref, byteOffset, Name, Ret, Params) {code, ref, (byteOffset) / 4, #Name},
#include "xtapi/components.def"
#undef XT_COMPONENT_OP
};

TEST(ContractCoverage, ListsEveryOperationTheHostDoesNotRegister)
{
    host::api::OperationRegistry registry;
    host::api::registerAllOperations(registry);

    std::vector<std::string> missing;
    for (const xt::OperationInfo& operation : xt::kOperations) {
        if (!registry.entry(operation.number))
            missing.push_back(std::to_string(operation.number) + " " + operation.name);
    }
    for (const ComponentOperation& operation : kComponentOperations) {
        if (!registry.componentEntry({operation.component, operation.reference, operation.slot}))
            missing.push_back(std::string("component ") + operation.name);
    }

    const size_t contract = std::size(xt::kOperations) + std::size(kComponentOperations);
    std::cout << "The host does not register " << missing.size() << " of the contract's " << contract
              << " operations" << (missing.empty() ? "." : ":") << "\n";
    for (const std::string& line : missing)
        std::cout << "  " << line << "\n";
    RecordProperty("unregistered", static_cast<int>(missing.size()));
    EXPECT_GT(registry.size(), 0u) << "no area registered anything";
}

} // namespace
} // namespace host_tests
