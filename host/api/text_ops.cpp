// Text objects (service "QSB") and the text encoding service ("LTA").
#include <cstring>

#include "host/api/operation_areas.h"
#include "host/host_context.h"

namespace host::api {
namespace {

/// Copies `length` 8-bit characters; the encoding argument is 0 for every caller.
xt::TextObject NewTextObject(const char* chars, int32_t /*encoding*/, int32_t length)
{
    if (length < 0 || (length > 0 && !chars))
        return nullptr;
    return context().texts().make(std::string_view(chars ? chars : "", static_cast<size_t>(length)));
}

void DisposeTextObject(xt::TextObject text)
{
    context().texts().dispose(text);
}

/// The length in characters, or -1 for something that is not a text object.
int32_t GetTextObjectLength(xt::TextObject text)
{
    const std::string* chars = context().texts().find(text);
    return chars ? static_cast<int32_t>(chars->size()) : -1;
}

/// The characters (not zero-terminated for the caller's purposes; the length says how many).
const char* GetTextObjectChars(xt::TextObject text)
{
    const std::string* chars = context().texts().find(text);
    return chars ? chars->data() : nullptr;
}

int32_t OpenTextConverter(int32_t source, int32_t target, int32_t, int32_t, int32_t, int32_t, int32_t* converter)
{
    if (!converter)
        return kConvertBadArgument;
    const int32_t id = context().converters().open(source, target);
    if (id < 0)
        return kConvertBadArgument;
    *converter = id;
    return 0;
}

/// Copies the characters and a terminating zero, never more than *targetSize bytes in all; writes
/// back the bytes used (zero included) and the characters converted. A cut output is still
/// terminated and returns kConvertTruncated.
int32_t ConvertText(int32_t converter, int32_t* sourceLength, const char* source, int32_t* targetSize, char* target,
    int32_t, int32_t, int32_t, int32_t* converted)
{
    if (!context().converters().isOpen(converter) || !sourceLength || !targetSize || !target || *targetSize <= 0)
        return kConvertBadArgument;
    if (*sourceLength < 0 || (*sourceLength > 0 && !source))
        return kConvertBadArgument;
    const int32_t room = *targetSize - 1;
    const int32_t copied = *sourceLength < room ? *sourceLength : room;
    if (copied > 0)
        std::memcpy(target, source, static_cast<size_t>(copied));
    target[copied] = '\0';
    *targetSize = copied + 1;
    if (converted)
        *converted = copied;
    return copied < *sourceLength ? kConvertTruncated : 0;
}

int32_t CloseTextConverter(int32_t converter)
{
    return context().converters().close(converter) ? 0 : kConvertBadArgument;
}

} // namespace

void registerTextOperations(OperationRegistry& registry)
{
    registry.add<xt::op::NewTextObject, &NewTextObject>();
    registry.add<xt::op::DisposeTextObject, &DisposeTextObject>();
    registry.add<xt::op::GetTextObjectLength, &GetTextObjectLength>();
    registry.add<xt::op::GetTextObjectChars, &GetTextObjectChars>();
    registry.add<xt::op::OpenTextConverter, &OpenTextConverter>();
    registry.add<xt::op::ConvertText, &ConvertText>();
    registry.add<xt::op::CloseTextConverter, &CloseTextConverter>();
}

} // namespace host::api
