// Host text to zero-terminated 8-bit strings, with bad arguments reported through the host's error frame.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"

namespace foundation {

namespace {

// The frame's tag; being a constant it is never missing, so TextCheckNoFlag only comes from a null flag.
constexpr char kParamCheckTag[] = "PARAM_CHECK";
static_assert(sizeof kParamCheckTag > 1);

constexpr int32_t kTargetEncoding = 1;
constexpr int32_t kNoConverter = -1;
constexpr int32_t kConverterMissing = -1;

void openErrorScope()
{
    xt::calls::SetErrorStatus(0, 0);
}

void reportAndClose(int32_t code)
{
    xt::calls::SetErrorStatus(code, 0);
    xt::calls::ReportErrorStatus();
    xt::calls::EndErrorScope();
}

void recordAndClose(int32_t status)
{
    xt::calls::SetErrorStatus(status, 0);
    xt::calls::EndErrorScope();
}

/// Converts into `buffer` of `*size` bytes; returns the first failing converter status, else 0.
int32_t convert(int32_t encoding, int32_t length, const char* chars, int32_t* size, char* buffer)
{
    int32_t converter = kNoConverter;
    const int32_t opened = xt::calls::OpenTextConverter(encoding, kTargetEncoding, 0, 1, 0, 0, &converter);
    if (opened != 0)
        return opened;
    if (converter == kNoConverter)
        return kConverterMissing;
    int32_t count = 0;
    const int32_t converted = xt::calls::ConvertText(converter, &length, chars, size, buffer, 0, 0, 1, &count);
    const int32_t closed = xt::calls::CloseTextConverter(converter);
    return converted != 0 ? converted : closed;
}

/// Makes sure the buffer ends within `room` bytes, whatever the converter wrote back.
void terminateWithin(char* buffer, int32_t room, int32_t written)
{
    const int32_t end = written > 0 && written <= room ? written : room;
    buffer[end - 1] = '\0';
}

int32_t roomFor(int32_t length)
{
    return length < std::numeric_limits<int32_t>::max() ? length + 1 : 0;
}

void convertTextObject(xt::TextObject text, char* buffer, int32_t capacity, bool bounded)
{
    openErrorScope();
    const int32_t length = text ? xt::calls::GetTextObjectLength(text) : 0;
    const char* chars = text ? xt::calls::GetTextObjectChars(text) : nullptr;
    const int32_t room = bounded ? std::min(capacity, roomFor(length)) : roomFor(length);
    // Whatever follows, the caller never reads stale text: an empty or bad text leaves "".
    if (buffer && (bounded ? capacity > 0 : true))
        buffer[0] = '\0';
    int32_t code = 0;
    if (length <= 0)
        code = TextCheckNoLength;
    else if (!chars)
        code = TextCheckNoCharacters;
    else if (room <= 0)
        code = TextCheckNoRoom;
    else if (!buffer)
        code = TextCheckNoBuffer;
    if (code != 0)
        return reportAndClose(code);
    // A bounded conversion cuts the text itself, so the converter never has to.
    int32_t size = room;
    const int32_t status = convert(0, std::min(length, room - 1), chars, &size, buffer);
    if (status != 0)
        buffer[0] = '\0';
    else
        terminateWithin(buffer, room, size);
    recordAndClose(status);
}

int32_t checkArguments(int32_t length, const char* chars, const int32_t* size, const char* buffer)
{
    if (length <= 0)
        return TextCheckNoLength;
    if (!chars)
        return TextCheckNoCharacters;
    if (!size || *size <= 0)
        return TextCheckNoRoom;
    if (!buffer)
        return TextCheckNoBuffer;
    return 0;
}

} // namespace

void TextToCString(xt::TextObject text, char* buffer)
{
    convertTextObject(text, buffer, 0, false);
}

void TextToCString(xt::TextObject text, char* buffer, int32_t capacity)
{
    convertTextObject(text, buffer, capacity, true);
}

void TextToCStringChecked(int32_t length, const char* chars, int32_t* size, char* buffer, uint8_t* done,
    int32_t encoding)
{
    openErrorScope();
    if (!done)
        return reportAndClose(TextCheckNoFlag);
    *done = 0;
    if (const int32_t code = checkArguments(length, chars, size, buffer); code != 0)
        return reportAndClose(code);
    const int32_t room = *size;
    const int32_t status = convert(encoding, length, chars, size, buffer);
    if (status != 0) {
        buffer[0] = '\0';
        *size = 0;
        return recordAndClose(status);
    }
    terminateWithin(buffer, room, *size);
    *size = std::clamp(*size, 1, room) - 1;
    *done = 1;
    recordAndClose(status);
}

} // namespace foundation
