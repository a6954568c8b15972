// Style sheets and fonts by name, through the host's style sheet table and font-name service.
#include "dotwise/engine/style_lookup.h"

#include <cstring>

#include "dotwise/settings/list_settings.h"
#include "foundation/binding/binding.h"
#include "xtapi/colour_records.h"
#include "xtapi/page_records.h"

namespace dotwise {
namespace {

/// Names are compared within the 31 characters the settings keep of them.
bool sameName(const char* stored, const char* sheet)
{
    return std::strncmp(stored, sheet, kNameSize - 1) == 0;
}

int32_t currentTable()
{
    int16_t documentId = -1;
    xt::calls::GetCurrentDocument(&documentId);
    if (documentId < 0)
        return 0;
    return xt::calls::StyleSheetOp3710(xt::calls::GetDocumentRef(documentId));
}

int32_t readSheet(int32_t table, int32_t style, xt::ParagraphStyleRecord& record)
{
    return xt::calls::StyleSheetOp5138(table, style, &record);
}

int32_t readSheet(int32_t table, int32_t style, xt::CharacterStyleRecord& record)
{
    return xt::calls::StyleSheetOp5141(table, style, &record);
}

template <class Record>
int32_t findSheet(const char* name, int32_t kind)
{
    const int32_t table = currentTable();
    if (!name || name[0] == 0 || table == 0)
        return -1;
    const int32_t count = xt::calls::GetStyleSheetCount(table, kind);
    for (int32_t index = 0; index < count; ++index) {
        int32_t style = 0;
        Record record{};
        if (xt::calls::GetStyleSheet(table, kind, index, &style) != 0 || readSheet(table, style, record) != 0)
            continue;
        record.name[sizeof record.name - 1] = 0;
        if (sameName(name, record.name))
            return index;
    }
    return -1;
}

} // namespace

int32_t FindParagraphStyleSheet(const char* name)
{
    return findSheet<xt::ParagraphStyleRecord>(name, xt::kParagraphStyle);
}

int32_t FindCharacterStyleSheet(const char* name)
{
    return findSheet<xt::CharacterStyleRecord>(name, xt::kCharacterStyle);
}

int16_t FontIdFromName(const char* name)
{
    xt::TextObject text = xt::calls::NewFontNameText(name, 0, static_cast<int32_t>(std::strlen(name)));
    if (!text)
        return 0;
    int16_t font = 0;
    uint8_t found = 0;
    const int32_t status = xt::calls::XfuOp4952(&font, text, xt::kFontFamilyName, 0, &found);
    xt::calls::DisposeFontNameText(text);
    return status == 0 && found == 1 ? font : 0;
}

} // namespace dotwise
