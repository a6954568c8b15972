// Fonts by name: the font-name service's texts and XfuOp4952, which finds a family's id.
#include <string>

#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/fonts/font_families.h"
#include "xtapi/colour_records.h"

namespace host::api {
namespace {

/// The font-name service makes and disposes the same host texts as the text object service.
xt::TextObject NewFontNameText(const char* chars, int32_t, int32_t length)
{
    if (length < 0 || (length > 0 && !chars))
        return nullptr;
    return context().texts().make(std::string_view(chars ? chars : "", static_cast<size_t>(length)));
}

void DisposeFontNameText(xt::TextObject text)
{
    context().texts().dispose(text);
}

/// The id of the family named by the text: `found` 1 and the id, or `found` 0 (id untouched) when no
/// family has the name. Only family names (kind 3) are known.
int32_t XfuOp4952(int16_t* font, xt::TextObject name, int32_t kind, int32_t, uint8_t* found)
{
    if (found)
        *found = 0;
    const std::string* text = context().texts().find(name);
    if (!font || !found || !text || kind != xt::kFontFamilyName)
        return -1;
    const model::FontFamily* family = model::findFontFamily(*text);
    if (!family)
        return 0;
    *font = family->id;
    *found = 1;
    return 0;
}

/// A failed look-up finds nothing, so the caller keeps its font.
int32_t lookUpFails(int16_t*, xt::TextObject, int32_t, int32_t, uint8_t* found)
{
    if (found)
        *found = 0;
    return -1;
}

} // namespace

void registerFontOperations(OperationRegistry& registry)
{
    registry.add<xt::op::NewFontNameText, &NewFontNameText>();
    registry.add<xt::op::DisposeFontNameText, &DisposeFontNameText>();
    registry.add<xt::op::XfuOp4952, &XfuOp4952, &lookUpFails>();
}

} // namespace host::api
