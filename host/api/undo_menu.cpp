// Undo and Redo as the user chooses them: the host tells the step's creator, which restores its items.
#include "host/api/undo_menu.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "host/host_context.h"
#include "win32/standin.h"
#include "xtapi/messages.h"

namespace host::api {
namespace {

constexpr xt::FourLetterCode kUndoTextType = xt::fourCC("STRQ");
constexpr int32_t kUndoTextId = 20000;

const loader::LoadedModule* moduleOf(xt::XTensionId creator)
{
    for (const auto& module : context().plugins().modules()) {
        if (module->id == creator)
            return module.get();
    }
    return nullptr;
}

/// Text `which` (0 undo, 1 redo) of the creator's "STRQ" 20000: two zero-terminated texts in a row.
std::optional<std::string> creatorText(xt::XTensionId creator, int which)
{
    const loader::LoadedModule* module = moduleOf(creator);
    const xt::Resource* resource = module ? win32::findResource(module->image, kUndoTextType, kUndoTextId) : nullptr;
    if (!resource || !resource->data)
        return std::nullopt;
    const auto* text = static_cast<const char*>(resource->data);
    size_t offset = 0;
    for (int i = 0; i < which && offset < resource->size; ++i)
        offset += strnlen(text + offset, resource->size - offset) + 1;
    if (offset >= resource->size)
        return std::nullopt;
    return std::string(text + offset, strnlen(text + offset, resource->size - offset));
}

bool tellCreator(xt::XTensionId creator, int32_t message)
{
    auto& plugins = context().plugins();
    for (const auto& handler : plugins.handlersFor(message)) {
        if (handler.module->id != creator || handler.module->state != PluginState::Active)
            continue;
        const int32_t depth = openUndoDepth();
        xt::MessageBlock block{message, 0};
        loader::PluginRegistry::Scope scope(plugins, handler.module);
        handler.handler(&block);
        closeStepsLeftOpen(depth, handler.module);
    }
    return true;
}

/// Undoes or redoes a host-kept step: its stories (with their chains and data blocks, for a step that
/// kept those) and the layout's change places.
bool exchangeText(model::KeptText& kept)
{
    model::Layout* layout = context().documents().findByRef(kept.layout);
    if (!layout)
        return false;
    if (kept.chains) {
        model::exchangeKeptChains(*layout, *kept.chains);
        return true;
    }
    layout->stories().exchange(kept.stories.stories);
    return true;
}

} // namespace

int32_t openUndoDepth()
{
    return context().documents().undoSteps().depth();
}

void closeStepsLeftOpen(int32_t depthBefore, const loader::LoadedModule* module)
{
    const int32_t closed = context().documents().undoSteps().closeDownTo(depthBefore);
    if (closed > 0)
        std::fprintf(stderr, "%s left %d undo step(s) open; the host closed them\n",
            module ? module->file.c_str() : "a plug-in", closed);
}

bool undoLastStep()
{
    const std::optional<model::UndoStep> step = context().documents().undoSteps().takeUndo();
    if (step && step->kept)
        return exchangeText(*step->kept);
    return step && tellCreator(step->creator, xt::UndoMessage);
}

bool redoLastStep()
{
    const std::optional<model::UndoStep> step = context().documents().undoSteps().takeRedo();
    if (step && step->kept)
        return exchangeText(*step->kept);
    return step && tellCreator(step->creator, xt::RedoMessage);
}

std::string undoMenuText()
{
    const auto& step = context().documents().undoSteps().undoable();
    return step ? creatorText(step->creator, 0).value_or("Undo") : std::string();
}

std::string redoMenuText()
{
    const auto& step = context().documents().undoSteps().redoable();
    return step ? creatorText(step->creator, 1).value_or("Redo") : std::string();
}

} // namespace host::api
