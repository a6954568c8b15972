// Making a project or layout with the source's page set-up.
#include "twinnel/engine/destination/new_document.h"

#include "foundation/binding/binding.h"
#include "foundation/binding/component_calls.h"
#include "xtapi/page_records.h"

namespace twinnel {
namespace {

struct SourceSetup {
    xt::Fixed margins[4] = {}; // top, bottom, left, right
    xt::Fixed width = 0;
    xt::Fixed height = 0;
    int32_t facing = 0;
    int32_t columns = 1;
    xt::Fixed gutter = 0;
};

std::optional<SourceSetup> setupOf(xt::DocumentRef source)
{
    SourceSetup setup;
    const bool read = xt::calls::XdgOp512(source, &setup.margins[0], &setup.margins[1], &setup.margins[2], &setup.margins[3]) == 0
        && xt::calls::XdnOp519(source, &setup.width) == 0 && xt::calls::XdnOp520(source, &setup.height) == 0
        && xt::calls::DocumentOp490(source, &setup.facing) == 0 && xt::calls::XdgOp510(source, &setup.columns) == 0
        && xt::calls::XdgOp509(source, &setup.gutter) == 0;
    if (!read)
        return std::nullopt;
    return setup;
}

} // namespace

std::optional<LayoutRef> newDocumentLike(xt::DocumentRef source, NewDocumentKind kind, const std::string& name)
{
    // The margins go over as they are: the host takes a set-up's values as given, so any reduction
    // would leave the copy's margins off the source's.
    const auto setup = setupOf(source);
    if (!setup)
        return std::nullopt;
    void* record = nullptr;
    if (xt::calls::XpkOp5070(setup->height, setup->width, setup->margins, setup->facing, setup->columns, setup->gutter,
            0, 1, 0, &record) != 0 || !record)
        return std::nullopt;
    xt::TextObject text = newText(name);
    int16_t id = -1;
    const int32_t made = kind == NewDocumentKind::Project
        ? xt::calls::XpkOp3090(text, xt::kPageSetupDocument, record, &id)
        : xt::calls::NewLayoutInProject(source, text, record, &id);
    if (text)
        xt::calls::DisposeTextObject(text);
    xt::calls::XpkOp3183(record);
    if (made != 0)
        return std::nullopt;
    return makeCurrent(id);
}

bool copyMasterSpreads(xt::DocumentRef source, xt::DocumentRef destination)
{
    int32_t count = 0;
    if (xt::calls::GetPageCopyEntryCount(source, &count) != 0)
        return false;
    for (int32_t index = 1; index < count; ++index) {
        int32_t entry = 0;
        xt::TextObject name = nullptr;
        if (xt::calls::GetPageCopyEntry(source, index, &entry, &name) != 0)
            return false;
        if (name)
            xt::calls::DisposeTextObject(name);
        // The new layout is in front while it takes the entry.
        if (xt::calls::DocumentOp3278(destination) != 0)
            return false;
        if (xt::calls::CopyPageCopyEntry(source, entry, destination) != 0)
            return false;
    }
    return true;
}

} // namespace twinnel
