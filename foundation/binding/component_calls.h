// Typed calls of the host components' operations, through the tables the plug-in acquired at set-up.
#pragma once

#include <cassert>

#include "foundation/plugin/skeleton.h"
#include "xtapi/components.h"

namespace foundation::detail {

template <class Op, class Signature>
struct ComponentCall;

template <class Op, class Ret, class... Args>
struct ComponentCall<Op, Ret(Args...)> {
    Ret operator()(Args... args) const
    {
        auto* table = static_cast<void* const*>(componentTable(Op::component, Op::reference));
        assert(table && "component operation called before the plug-in acquired the component");
        auto* function = reinterpret_cast<Ret (*)(Args...)>(table[Op::slot]);
        assert(function && "the component has no operation at this offset");
        return function(args...);
    }
};

} // namespace foundation::detail

/// Plug-in code calls component operations by their names: XptaOp40(item, &isTable).
#define XT_COMPONENT_OP(code, ref, byteOffset, Name, Ret, Params) \
    inline constexpr foundation::detail::ComponentCall<xt::component::Name, xt::component::Name::Signature> Name{};
namespace xt::calls {
#include "xtapi/components.def"
} // namespace xt::calls
#undef XT_COMPONENT_OP
