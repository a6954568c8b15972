// Small toolbox services: blocks of memory, a number from a text, and a drawing state saved and given back.
#include <algorithm>
#include <charconv>

#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "win32/standin.h"

namespace host::api {
namespace {

/// A zero-filled block the caller frees with DisposePointer; null when memory is short.
char* ToolboxOp1871(int32_t size)
{
    return win32::newPointer(size);
}

/// The whole number a text starts with (after blanks), or 0 for a text that holds none.
int32_t ToolboxOp5034(xt::TextObject text)
{
    const std::string* chars = context().texts().find(text);
    if (!chars)
        return 0;
    const size_t start = chars->find_first_not_of(" \t");
    if (start == std::string::npos)
        return 0;
    int32_t value = 0;
    const auto result = std::from_chars(chars->data() + start, chars->data() + chars->size(), value);
    return result.ec == std::errc() ? value : 0;
}

/// The number a C text starts with after blanks, with an optional sign; a number past the int32 range
/// is held at its limit, and a text without digits gives 0.
int32_t ToolboxOp2074(const char* text)
{
    if (!text)
        return 0;
    while (*text == ' ' || *text == '\t')
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{1} << 31;
    for (; *text >= '0' && *text <= '9'; ++text)
        value = std::min(value * 10 + (*text - '0'), kLimit);
    value = negative ? -value : std::min(value, kLimit - 1);
    return static_cast<int32_t>(value);
}

int32_t ToolboxOp2203(int32_t* state)
{
    if (!state)
        return -1;
    *state = context().drawingState();
    return 0;
}

int32_t ToolboxOp2847(int32_t state)
{
    context().drawingState() = state;
    return 0;
}

} // namespace

void registerToolboxOps(OperationRegistry& registry)
{
    registry.add<xt::op::ToolboxOp1871, &ToolboxOp1871>();
    registry.add<xt::op::ToolboxOp5034, &ToolboxOp5034>();
    registry.add<xt::op::ToolboxOp2074, &ToolboxOp2074>();
    registry.add<xt::op::ToolboxOp2203, &ToolboxOp2203>();
    registry.add<xt::op::ToolboxOp2847, &ToolboxOp2847>();
}

} // namespace host::api
