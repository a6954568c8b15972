// Finding layouts, boxes and stories for the text operations.
#include "host/api/story_access.h"

#include "host/host_context.h"

namespace host::api {
namespace {

template <class Found>
model::Layout* findLayout(Found found)
{
    model::DocumentModel& documents = context().documents();
    if (documents.current() && found(*documents.current()))
        return documents.current();
    for (size_t p = 0; p < documents.projectCount(); ++p) {
        model::Project& project = documents.project(p);
        for (size_t l = 0; l < project.layoutCount(); ++l) {
            if (found(project.layout(l)))
                return &project.layout(l);
        }
    }
    return nullptr;
}

} // namespace

model::Layout* layoutOfItem(int32_t box)
{
    if (box == 0)
        return nullptr;
    return findLayout([&](model::Layout& layout) { return layout.items().find(box) != nullptr; });
}

int32_t boxOrCurrent(int32_t box)
{
    if (box != 0)
        return box;
    const model::Layout* current = context().documents().current();
    return current ? current->items().current() : 0;
}

StoryPlace findStory(int32_t ref)
{
    if (ref == 0)
        return {};
    model::Layout* layout = findLayout([&](model::Layout& candidate) { return candidate.stories().story(ref) != nullptr; });
    return layout ? StoryPlace{layout, layout->stories().story(ref)} : StoryPlace{};
}

} // namespace host::api
