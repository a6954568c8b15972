// The operation registry and the traps that stand in for unimplemented operations.
#include "host/api/registry.h"

#include <cassert>
#include <cstdio>
#include <cstdlib>

#include "host/host_context.h"

namespace host::api {

namespace detail {

bool operationFails(std::string_view name)
{
    return context().faults().shouldFail(name);
}

} // namespace detail

namespace {

[[noreturn]] void reportUnimplemented(uint32_t number, const char* name)
{
    std::fprintf(stderr, "host operation %u %s is not implemented\n", number, name);
    std::fflush(stderr);
    std::abort();
}

template <class Op, class Signature>
struct Trap;

template <class Op, class Ret, class... Args>
struct Trap<Op, Ret(Args...)> {
    static Ret call(Args...) { reportUnimplemented(Op::number, Op::name); }
};

struct TrapEntry {
    uint32_t number;
    void* trap;
};

const TrapEntry kTraps[] = {
#define XT_OP(num, Name, Ret, Params) {num, reinterpret_cast<void*>(&Trap<xt::op::Name, xt::op::Name::Signature>::call)},
#include "xtapi/operations.def"
#undef XT_OP
};

} // namespace

void* OperationRegistry::entry(uint32_t number) const
{
    auto found = m_entries.find(number);
    return found == m_entries.end() ? nullptr : found->second;
}

void OperationRegistry::insert(uint32_t number, void* entry)
{
    const bool added = m_entries.emplace(number, entry).second;
    assert(added && "an operation is registered twice");
    (void)added;
}

void* trapFor(uint32_t number)
{
    for (const auto& trap : kTraps) {
        if (trap.number == number)
            return trap.trap;
    }
    return nullptr;
}

} // namespace host::api
