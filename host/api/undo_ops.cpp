// Undo steps opened and closed by the plug-ins, and the host's step-and-repeat offsets.
#include <memory>

#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/spread_layout.h"

namespace host::api {
namespace {

model::UndoSteps& steps()
{
    return context().documents().undoSteps();
}

int32_t UndoOp2951(int32_t, xt::XTensionId creator, int32_t)
{
    steps().open(creator);
    return 0;
}

int32_t UndoOp2952()
{
    return steps().close() ? 0 : -1;
}

/// Opens a step whose text the host keeps: each story of the current layout as it is before the step
/// first changes it. Inside an open step it only nests; with no document it opens a plain step.
int32_t UndoOp2953(int32_t, int32_t)
{
    const loader::LoadedModule* module = context().plugins().current();
    const xt::XTensionId creator = module ? module->id : 0;
    model::Layout* layout = context().documents().current();
    if (steps().depth() > 0 || !layout) {
        steps().open(creator);
        return 0;
    }
    auto kept = std::make_shared<model::KeptText>();
    kept->layout = layout->ref();
    steps().openKeepingText(creator, kept);
    layout->stories().keepChangesIn(std::shared_ptr<model::KeptStories>(kept, &kept->stories));
    return 0;
}

/// Opens a step as UndoOp2953 does, keeping the chains and data blocks it changes besides.
int32_t OpenChainUndoStep(int32_t kind)
{
    model::Layout* layout = context().documents().current();
    if (steps().depth() > 0 || !layout)
        return UndoOp2953(kind, 0);
    const loader::LoadedModule* module = context().plugins().current();
    auto kept = std::make_shared<model::KeptText>();
    kept->layout = layout->ref();
    kept->chains = std::make_shared<model::KeptChains>();
    steps().openKeepingText(module ? module->id : 0, kept);
    model::keepChainsIn(*layout, kept->chains);
    return 0;
}

int32_t UndoOp2954()
{
    if (steps().depth() == 1) {
        if (model::KeptText* kept = steps().openText()) {
            if (model::Layout* layout = context().documents().findByRef(kept->layout)) {
                if (kept->chains) {
                    model::stopKeepingChains(*layout, *kept->chains);
                    if (model::sameAsKept(*layout, *kept->chains))
                        steps().dropOpening();
                } else {
                    layout->stories().stopKeeping(&kept->stories);
                }
            }
        }
    }
    return steps().close() ? 0 : -1;
}

int32_t UndoOp2958(int32_t begin)
{
    if (begin != 0)
        steps().beginNotUndoable();
    else
        steps().endNotUndoable();
    return 0;
}

int32_t GetStepRepeatOffsets(xt::Fixed* horizontal, xt::Fixed* vertical)
{
    if (!horizontal || !vertical)
        return -1;
    const model::StepRepeatOffsets& offsets = context().documents().stepRepeatOffsets();
    *horizontal = offsets.horizontal;
    *vertical = offsets.vertical;
    return 0;
}

int32_t SetStepRepeatOffsets(xt::Fixed horizontal, xt::Fixed vertical)
{
    context().documents().stepRepeatOffsets() = {horizontal, vertical};
    return 0;
}

} // namespace

void registerUndoOps(OperationRegistry& registry)
{
    registry.add<xt::op::UndoOp2951, &UndoOp2951>();
    registry.add<xt::op::UndoOp2952, &UndoOp2952>();
    registry.add<xt::op::UndoOp2958, &UndoOp2958>();
    registry.add<xt::op::UndoOp2953, &UndoOp2953>();
    registry.add<xt::op::UndoOp2954, &UndoOp2954>();
    registry.add<xt::op::OpenChainUndoStep, &OpenChainUndoStep>();
    registry.add<xt::op::GetStepRepeatOffsets, &GetStepRepeatOffsets>();
    registry.add<xt::op::SetStepRepeatOffsets, &SetStepRepeatOffsets>();
}

} // namespace host::api
