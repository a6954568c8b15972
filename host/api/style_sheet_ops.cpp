// Style sheets: a layout's table, its character and paragraph styles, records read and written whole.
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/spread_layout.h"
#include "xtapi/page_records.h"

namespace host::api {
namespace {

model::StyleSheets* tableOf(int32_t table)
{
    auto& documents = context().documents();
    for (size_t p = 0; p < documents.projectCount(); ++p) {
        model::Project& project = documents.project(p);
        for (size_t l = 0; l < project.layoutCount(); ++l) {
            if (project.layout(l).styleSheets().tableRef() == table)
                return &project.layout(l).styleSheets();
        }
    }
    return nullptr;
}

int32_t StyleSheetOp3710(xt::DocumentRef document)
{
    model::Layout* layout = layoutOfDocument(document);
    return layout ? layout->styleSheets().tableRef() : 0;
}

/// Every layout has its table, so the table for a layout "without one" is the same.
int32_t StyleSheetOp3428(xt::DocumentRef document)
{
    return StyleSheetOp3710(document);
}

void StyleSheetOp3398(int32_t) {}

int32_t GetStyleSheetCount(int32_t table, int32_t kind)
{
    const model::StyleSheets* sheets = tableOf(table);
    return sheets ? static_cast<int32_t>(sheets->count(kind)) : 0;
}

int32_t GetStyleSheet(int32_t table, int32_t kind, int32_t index, int32_t* style)
{
    const model::StyleSheets* sheets = tableOf(table);
    if (!sheets || !style || index < 0)
        return -1;
    *style = sheets->styleAt(kind, static_cast<size_t>(index));
    return *style != 0 ? 0 : -1;
}

int32_t CopyStyleSheetToDocument(int32_t source, int32_t sheet, int32_t destination)
{
    model::StyleSheets* from = tableOf(source);
    model::StyleSheets* to = tableOf(destination);
    if (!from || !to || from == to)
        return -1;
    return to->copyFrom(*from, sheet) != 0 ? 0 : -1;
}

int32_t DeleteStyleSheet(int32_t table, int32_t sheet)
{
    model::StyleSheets* sheets = tableOf(table);
    return sheets && sheets->remove(sheet) ? 0 : -1;
}

int32_t StyleSheetOp5141(int32_t table, int32_t style, void* record)
{
    model::StyleSheets* sheets = tableOf(table);
    const model::CharacterStyle* found = sheets ? sheets->findCharacter(style) : nullptr;
    if (!found || !record)
        return -1;
    xt::writeAt(record, found->record());
    return 0;
}

int32_t StyleSheetOp5142(int32_t table, int32_t style, const void* record)
{
    model::StyleSheets* sheets = tableOf(table);
    model::CharacterStyle* found = sheets ? sheets->findCharacter(style) : nullptr;
    if (!found || !record)
        return -1;
    found->setRecord(xt::readAt<xt::CharacterStyleRecord>(record));
    return 0;
}

int32_t StyleSheetOp5138(int32_t table, int32_t style, void* record)
{
    model::StyleSheets* sheets = tableOf(table);
    model::ParagraphStyle* found = sheets ? sheets->findParagraph(style) : nullptr;
    if (!found || !record)
        return -1;
    xt::writeAt(record, found->lend());
    return 0;
}

int32_t StyleSheetOp5139(int32_t table, int32_t style, const void* record)
{
    model::StyleSheets* sheets = tableOf(table);
    model::ParagraphStyle* found = sheets ? sheets->findParagraph(style) : nullptr;
    if (!found || !record)
        return -1;
    return found->takeBack(xt::readAt<xt::ParagraphStyleRecord>(record)) ? 0 : -1;
}

} // namespace

void registerStyleSheetOps(OperationRegistry& registry)
{
    registry.add<xt::op::StyleSheetOp3710, &StyleSheetOp3710>();
    registry.add<xt::op::StyleSheetOp3428, &StyleSheetOp3428>();
    registry.add<xt::op::StyleSheetOp3398, &StyleSheetOp3398>();
    registry.add<xt::op::GetStyleSheetCount, &GetStyleSheetCount>();
    registry.add<xt::op::GetStyleSheet, &GetStyleSheet>();
    registry.add<xt::op::StyleSheetOp5141, &StyleSheetOp5141>();
    registry.add<xt::op::StyleSheetOp5142, &StyleSheetOp5142>();
    registry.add<xt::op::StyleSheetOp5138, &StyleSheetOp5138>();
    registry.add<xt::op::StyleSheetOp5139, &StyleSheetOp5139>();
    registry.add<xt::op::CopyStyleSheetToDocument, &CopyStyleSheetToDocument>();
    registry.add<xt::op::DeleteStyleSheet, &DeleteStyleSheet>();
}

} // namespace host::api
