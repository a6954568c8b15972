// The operation registry and the traps that stand in for unimplemented operations.
#include "host/api/registry.h"

#include <cassert>
#include <cstdio>
#include <cstdlib>

#include "host/host_context.h"

namespace host::api {

namespace detail {

bool operationFails(uint32_t nameId)
{
    return context().faults().shouldFail(nameId);
}

uint32_t operationNameId(std::string_view name)
{
    return FaultInjector::nameId(name);
}

} // namespace detail

namespace {

[[noreturn]] void reportUnimplemented(uint32_t number, const char* name)
{
    std::fprintf(stderr, "host operation %u %s is not implemented\n", number, name);
    std::fflush(stderr);
    std::abort();
}

[[noreturn]] void reportUnimplementedComponent(const char* name)
{
    std::fprintf(stderr, "host component operation %s is not implemented\n", name);
    std::fflush(stderr);
    std::abort();
}

template <class Op, class Signature>
struct Trap;

template <class Op, class Ret, class... Args>
struct Trap<Op, Ret(Args...)> {
    static Ret call(Args...) { reportUnimplemented(Op::number, Op::name); }
    static void* address() { return reinterpret_cast<void*>(&call); }
};

template <class Op, class Signature>
struct ComponentTrap;

template <class Op, class Ret, class... Args>
struct ComponentTrap<Op, Ret(Args...)> {
    static Ret call(Args...) { reportUnimplementedComponent(Op::name); }
    static void* address() { return reinterpret_cast<void*>(&call); }
};

// The tables hold functions that give the trap's address, so they are constant data (no static constructor).
struct ComponentTrapEntry {
    OperationRegistry::ComponentSlot slot;
    void* (*trap)();
};

constexpr ComponentTrapEntry kComponentTraps[] = {
#define XT_COMPONENT_OP(code, ref, byteOffset, Name, Ret, Params) \
    {{code, ref, byteOffset / 4}, &ComponentTrap<xt::component::Name, xt::component::Name::Signature>::address},
#include "xtapi/components.def"
#undef XT_COMPONENT_OP
};

struct TrapEntry {
    uint32_t number;
    void* (*trap)();
};

constexpr TrapEntry kTraps[] = {
#define XT_OP(num, Name, Ret, Params, Failure) {num, &Trap<xt::op::Name, xt::op::Name::Signature>::address},
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

void* OperationRegistry::componentEntry(ComponentSlot slot) const
{
    auto found = m_componentEntries.find(slot);
    return found == m_componentEntries.end() ? nullptr : found->second;
}

void OperationRegistry::insertComponent(ComponentSlot slot, void* entry)
{
    const bool added = m_componentEntries.emplace(slot, entry).second;
    assert(added && "a component operation is registered twice");
    (void)added;
}

void* componentTrapFor(OperationRegistry::ComponentSlot slot)
{
    for (const auto& trap : kComponentTraps) {
        if (!(trap.slot < slot) && !(slot < trap.slot))
            return trap.trap();
    }
    return nullptr;
}

void* trapFor(uint32_t number)
{
    for (const auto& trap : kTraps) {
        if (trap.number == number)
            return trap.trap();
    }
    return nullptr;
}

} // namespace host::api
