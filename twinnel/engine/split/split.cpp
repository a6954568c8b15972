// The two splits: each new project made, filled, saved under a free name and closed.
#include "twinnel/engine/split/split.h"

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/text/text_helpers.h"
#include "twinnel/engine/common/project_names.h"
#include "twinnel/engine/copy/clone_pages.h"
#include "twinnel/engine/copy/style_copy.h"
#include "twinnel/engine/destination/new_document.h"
#include "twinnel/engine/split/project_files.h"

namespace twinnel {
namespace {

void warnNotSaved(const std::string& name)
{
    const std::string message = "Couldn't save \"" + name + "\" in the chosen folder, so the split stopped there. "
                                "The new project stays open; the source and the files already in the folder are as they were.";
    foundation::WarningBox(message.c_str());
}

/// One new project holding `pages` of `from`, saved in the folder and closed. False when the split must stop.
bool splitOne(const CloneRun& run, const LayoutRef& from, const std::vector<int>& pages, const std::string& name,
    const std::string& folder)
{
    const auto made = newDocumentLike(from.ref, NewDocumentKind::Project, name);
    if (!made) {
        makeCurrent(run.source.id);
        foundation::noteHostFailure();
        return false;
    }
    // A page saved without the master it is based on would lose what that master shows on it.
    if (!copyMasterSpreads(from.ref, made->ref))
        foundation::noteHostFailure();
    clonePagesIntoNew(run, from.ref, pages, Target{*made, true});
    // The colour walk reads the current layout's list.
    if (run.settings.copyStyleSheets && makeCurrent(from.id))
        CopyColors(made->ref);
    const auto saved = saveIntoFolder(made->ref, folder, fileSafeName(name));
    if (!saved) {
        makeCurrent(made->id);
        warnNotSaved(fileSafeName(name));
        return false;
    }
    xt::calls::XpkOp3086(made->ref);
    makeCurrent(run.source.id);
    return true;
}

std::vector<LayoutRef> layoutsOfProject(xt::DocumentRef layout)
{
    std::vector<LayoutRef> layouts;
    int16_t id = -1;
    for (int32_t index = 0; xt::calls::GetProjectLayout(layout, index, &id) == 0; ++index)
        layouts.push_back({id, xt::calls::GetDocumentRef(id)});
    return layouts;
}

std::vector<int> everyPage(xt::DocumentRef layout)
{
    std::vector<int> pages;
    for (int page = 1; page <= pageCountOf(layout); ++page)
        pages.push_back(page);
    return pages;
}

} // namespace

void SplitPagesToProjects(const CloneRun& run, const std::string& folder)
{
    const std::string project = projectNameOf(run.source.ref);
    for (const int page : run.pages) {
        const std::string name = pageProjectName(project, PageNameToCString(run.source.ref, page));
        if (!splitOne(run, run.source, {page}, name, folder))
            return;
    }
}

void SplitLayoutsToProjects(const CloneRun& run, const std::string& folder)
{
    for (const LayoutRef& layout : layoutsOfProject(run.source.ref)) {
        const std::vector<int> pages = everyPage(layout.ref);
        if (pages.empty())
            continue;
        if (!splitOne(run, layout, pages, layoutNameOf(layout.ref), folder))
            return;
    }
}

} // namespace twinnel
