// The host's operations by number, each wrapped in an entry that counts its calls and consults fault injection.
#pragma once

#include <cstdint>
#include <map>
#include <tuple>
#include <string_view>
#include <type_traits>
#include <unordered_map>

#include "xtapi/components.h"
#include "xtapi/operations.h"

namespace host::api {

namespace detail {

/// Counts the call with the current host's fault injector and says whether it is to fail; the
/// name is known by the number the injector gave it.
bool operationFails(uint32_t nameId);
uint32_t operationNameId(std::string_view name);

template <class T>
T failureValue()
{
    if constexpr (std::is_pointer_v<T>)
        return nullptr;
    else
        return static_cast<T>(-1);
}

struct NoFailure {};

template <class Signature>
struct ResultOf;
template <class Ret, class... Args>
struct ResultOf<Ret(Args...)> {
    using type = Ret;
};

template <class Op, class Signature, auto Function, auto Failure>
struct Entry;

template <class Op, class Ret, class... Args, auto Function, auto Failure>
struct Entry<Op, Ret(Args...), Function, Failure> {
    static Ret call(Args... args)
    {
        static const uint32_t nameId = operationNameId(Op::name);
        if (!operationFails(nameId))
            return Function(args...);
        if constexpr (!std::is_same_v<std::remove_cvref_t<decltype(Failure)>, NoFailure>)
            return Failure(args...);
        else if constexpr (!std::is_void_v<Ret>)
            return failureValue<Ret>();
    }
};

} // namespace detail

/// Maps operation numbers to the host's entries. Registration is explicit (one function per area,
/// called when a host starts); a function whose type differs from the contract's does not compile.
class OperationRegistry {
public:
    /// Registers `Function` for operation `Op`; a failing call returns -1, null or nothing. An operation
    /// that xtapi/operations.def says never fails (pure arithmetic, the sinks for results nobody reads)
    /// goes straight to `Function`, neither counted nor failed, so that a fault sweep spends its runs
    /// on calls that can go wrong.
    template <class Op, auto Function>
    void add()
    {
        checkSignature<Op, Function>();
        checkDefaultFailure<Op>();
        if constexpr (Op::fails == xt::Fails::never)
            insert(Op::number, reinterpret_cast<void*>(Function));
        else
            insert(Op::number, reinterpret_cast<void*>(&detail::Entry<Op, typename Op::Signature, Function, detail::NoFailure{}>::call));
    }

    /// Registers `Function` with its own failure: an injected failure calls `Failure` with the same arguments.
    template <class Op, auto Function, auto Failure>
    void add()
    {
        static_assert(Op::fails != xt::Fails::never, "an operation that never fails has no failure of its own");
        checkSignature<Op, Function>();
        checkSignature<Op, Failure>();
        insert(Op::number, reinterpret_cast<void*>(&detail::Entry<Op, typename Op::Signature, Function, Failure>::call));
    }

    /// Registers `Function` for an operation of a host component (a tag of xtapi/components.h).
    template <class Op, auto Function>
    void addComponent()
    {
        checkSignature<Op, Function>();
        insertComponent({Op::component, Op::reference, Op::slot},
            reinterpret_cast<void*>(&detail::Entry<Op, typename Op::Signature, Function, detail::NoFailure{}>::call));
    }

    /// The entry of an implemented operation, or null.
    void* entry(uint32_t number) const;
    size_t size() const { return m_entries.size(); }

    /// Where a component operation sits: the component, which of its references, and the slot.
    struct ComponentSlot {
        xt::FourLetterCode component;
        int32_t reference;
        size_t slot;
        bool operator<(const ComponentSlot& other) const
        {
            return std::tie(component, reference, slot) < std::tie(other.component, other.reference, other.slot);
        }
    };
    /// The entry of an implemented component operation, or null.
    void* componentEntry(ComponentSlot slot) const;

private:
    /// The default failure (-1, null or nothing) must be one the caller can tell by the operation's column.
    template <class Op>
    static constexpr void checkDefaultFailure()
    {
        using Ret = typename detail::ResultOf<typename Op::Signature>::type;
        constexpr xt::Fails fails = Op::fails;
        if constexpr (std::is_pointer_v<Ret>)
            static_assert(fails == xt::Fails::null || fails == xt::Fails::never || fails == xt::Fails::silent,
                "a failing call of this operation answers null: its column in xtapi/operations.def says otherwise");
        else if constexpr (std::is_void_v<Ret>)
            static_assert(fails == xt::Fails::never || fails == xt::Fails::silent,
                "an operation without an answer fails silently or never");
        else if constexpr (std::is_signed_v<Ret>)
            static_assert(fails != xt::Fails::null,
                "a failing call of this operation answers -1: its column in xtapi/operations.def says null");
        else
            static_assert(fails == xt::Fails::status || fails == xt::Fails::never || fails == xt::Fails::silent,
                "an unsigned answer cannot be negative");
    }

    template <class Op, auto Function>
    static constexpr void checkSignature()
    {
        static_assert(std::is_same_v<decltype(Function), typename Op::Signature*>,
            "the host's function must have the signature that xtapi/operations.def gives the operation");
    }

    void insert(uint32_t number, void* entry);
    void insertComponent(ComponentSlot slot, void* entry);

    std::unordered_map<uint32_t, void*> m_entries;
    std::map<ComponentSlot, void*> m_componentEntries;
};

/// The stand-in for an operation of the contract that the host does not implement: it prints
/// "host operation <number> <Name> is not implemented" and aborts. Null for a number not in the contract.
void* trapFor(uint32_t number);
/// The same for a component operation: "host component operation <Name> is not implemented".
void* componentTrapFor(OperationRegistry::ComponentSlot slot);

} // namespace host::api
