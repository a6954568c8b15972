// Window drawing and list controls; item-only calls act on the drawing window or the callback's window.
#include "host/api/operation_areas.h"
#include "host/host_context.h"

namespace host::api {
namespace {

/// Where InsertListItem puts a row: after the last one.
constexpr int32_t kAppendRow = -3;

/// The list or popup item of the target window, or null.
ui::WindowItem* listItem(int32_t item)
{
    ui::Window* window = context().windows().target();
    if (!window)
        return nullptr;
    ui::WindowItem* found = window->item(item);
    return found && found->hasRows() ? found : nullptr;
}

xt::WindowRef GetCallbackWindow()
{
    return context().windows().callbackWindow();
}

int32_t BeginWindowDrawing(xt::WindowRef window)
{
    return context().windows().beginDrawing(window) ? 0 : -1;
}

void EndWindowDrawing()
{
    context().windows().endDrawing();
}

void ListOp1600(int32_t item, int32_t value)
{
    context().windows().recordListRedraw(item, value);
}

int32_t GetListCount(int32_t item, int32_t* count)
{
    ui::WindowItem* list = listItem(item);
    if (!list || !count)
        return -1;
    *count = list->rowCount();
    return 0;
}

int32_t DeleteListItem(int32_t item, int32_t index)
{
    ui::WindowItem* list = listItem(item);
    return list && list->deleteRow(index) ? 0 : -1;
}

int32_t InsertListItem(int32_t item, int32_t index, int32_t* newIndex)
{
    ui::WindowItem* list = listItem(item);
    if (!list)
        return -1;
    const int32_t at = index == kAppendRow ? list->rowCount() : index;
    if (!list->insertRow(at))
        return -1;
    if (newIndex)
        *newIndex = at;
    return 0;
}

int32_t SetListEntryText(int32_t item, int32_t index, xt::TextObject text)
{
    ui::WindowItem* list = listItem(item);
    const std::string* chars = context().texts().find(text);
    return list && chars && list->setRowText(index, *chars) ? 0 : -1;
}

int32_t SetListSelection(int32_t item, int32_t index)
{
    ui::WindowItem* list = listItem(item);
    return list && list->select(index) ? 0 : -1;
}

int32_t GetListSelection(int32_t item, int32_t* index)
{
    ui::WindowItem* list = listItem(item);
    if (!list || !index)
        return -1;
    *index = list->selection();
    return 0;
}

} // namespace

void registerWindowOperations(OperationRegistry& registry)
{
    registry.add<xt::op::GetCallbackWindow, &GetCallbackWindow>();
    registry.add<xt::op::BeginWindowDrawing, &BeginWindowDrawing>();
    registry.add<xt::op::EndWindowDrawing, &EndWindowDrawing>();
    registry.add<xt::op::ListOp1600, &ListOp1600>();
    registry.add<xt::op::GetListCount, &GetListCount>();
    registry.add<xt::op::DeleteListItem, &DeleteListItem>();
    registry.add<xt::op::InsertListItem, &InsertListItem>();
    registry.add<xt::op::SetListEntryText, &SetListEntryText>();
    registry.add<xt::op::SetListSelection, &SetListSelection>();
    registry.add<xt::op::GetListSelection, &GetListSelection>();
}

} // namespace host::api
