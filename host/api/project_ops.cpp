// Projects and their layout windows: making a layout current, the open windows, opening a project
// file, a project's layouts, saving a project as a new file and closing it.
#include <cstring>
#include <filesystem>
#include <string>

#include "host/api/file_status.h"
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/document_json.h"
#include "win32/standin.h"
#include "xtapi/file_dialogs.h"

namespace host::api {
namespace {

namespace fs = std::filesystem;

/// A file spec's path: a POSIX path as the choosers give it, or a Windows path in the stand-in's folders.
std::optional<fs::path> pathOf(const void* spec)
{
    if (!spec)
        return std::nullopt;
    xt::FileSpec record{};
    std::memcpy(&record, spec, sizeof record);
    const std::string name(record.name, strnlen(record.name, sizeof record.name));
    if (name.empty() || name.size() == sizeof record.name)
        return std::nullopt;
    if (name.front() == '/')
        return fs::path(name);
    return win32::mapPath(name);
}

/// The open layouts in window order: projects in the order they were opened, each project's layouts in order.
std::vector<model::Layout*> openLayouts()
{
    std::vector<model::Layout*> layouts;
    auto& documents = context().documents();
    for (size_t p = 0; p < documents.projectCount(); ++p) {
        for (size_t l = 0; l < documents.project(p).layoutCount(); ++l)
            layouts.push_back(&documents.project(p).layout(l));
    }
    return layouts;
}

model::Project* projectHolding(xt::DocumentRef document)
{
    model::Layout* layout = layoutOfDocument(document);
    return layout ? context().documents().projectOf(*layout) : nullptr;
}

int32_t XgdOp675(int16_t id)
{
    model::Layout* layout = context().documents().findById(id);
    if (!layout)
        return -1;
    context().documents().setCurrent(layout);
    return 0;
}

int16_t XgdOp683(xt::WindowRef window)
{
    const model::Layout* layout = layoutShowing(window);
    return layout ? layout->id() : int16_t{-1};
}

int32_t DocumentOp504(int32_t index, xt::WindowRef* window)
{
    const auto layouts = openLayouts();
    if (!window || index < 0 || static_cast<size_t>(index) >= layouts.size())
        return -1;
    *window = layouts[static_cast<size_t>(index)]->items().windowRef();
    return 0;
}

int32_t DocumentOp3147(const void* spec, int32_t, xt::DocumentRef* first)
{
    const auto path = pathOf(spec);
    if (!path || !first)
        return -1;
    *first = 0;
    model::Layout* current = context().documents().current();
    const model::OpenResult opened = model::openDocument(*path, context().documents());
    // Opening makes the project's first layout current; the caller decides what it shows.
    context().documents().setCurrent(current);
    if (!opened)
        return kFileIoError;
    if (opened.project->layoutCount() > 0)
        *first = opened.project->layout(0).ref();
    return 0;
}

int32_t GetProjectLayout(xt::DocumentRef document, int32_t index, int16_t* id)
{
    model::Project* project = projectHolding(document);
    if (!project || !id || index < 0 || static_cast<size_t>(index) >= project->layoutCount())
        return -1;
    *id = project->layout(static_cast<size_t>(index)).id();
    return 0;
}

int32_t XpkOp3172(xt::DocumentRef document, int16_t* id)
{
    return GetProjectLayout(document, 0, id);
}

int32_t ShowLayoutWindow(xt::DocumentRef document)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout)
        return -1;
    context().documents().setCurrent(layout);
    return 0;
}

int32_t DocumentOp3278(xt::DocumentRef document)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout)
        return -1;
    context().documents().setCurrent(layout);
    return 0;
}

/// (layout, &file spec, flags): the project holding the layout written as that file, and renamed after
/// it. A file already there is never replaced: that answers kFileDuplicate and writes nothing.
int32_t XpkOp5012(xt::DocumentRef document, const void* spec, int32_t)
{
    model::Project* project = projectHolding(document);
    const auto path = pathOf(spec);
    if (!project || !path)
        return kFileBadParameter;
    std::error_code error;
    if (fs::exists(fs::symlink_status(*path, error)))
        return kFileDuplicate;
    if (!fs::is_directory(path->parent_path().empty() ? fs::path(".") : path->parent_path(), error))
        return kFileFolderNotFound;
    const std::string previous = project->name();
    project->rename(path->stem().string());
    if (model::saveDocument(*project, *path))
        return 0;
    project->rename(previous);
    return kFileIoError;
}

int32_t XpkOp3086(xt::DocumentRef document)
{
    model::Project* project = projectHolding(document);
    return project && context().documents().closeProject(*project) ? 0 : -1;
}

} // namespace

void registerProjectOps(OperationRegistry& registry)
{
    registry.add<xt::op::XgdOp675, &XgdOp675>();
    registry.add<xt::op::XgdOp683, &XgdOp683>();
    registry.add<xt::op::DocumentOp504, &DocumentOp504>();
    registry.add<xt::op::DocumentOp3147, &DocumentOp3147>();
    registry.add<xt::op::GetProjectLayout, &GetProjectLayout>();
    registry.add<xt::op::XpkOp3172, &XpkOp3172>();
    registry.add<xt::op::ShowLayoutWindow, &ShowLayoutWindow>();
    registry.add<xt::op::DocumentOp3278, &DocumentOp3278>();
    registry.add<xt::op::XpkOp5012, &XpkOp5012>();
    registry.add<xt::op::XpkOp3086, &XpkOp3086>();
}

} // namespace host::api
