// The host's Edit menu Undo and Redo, and the undo steps a plug-in's handler leaves open.
#pragma once

#include <cstdint>
#include <string>

namespace host::loader {
struct LoadedModule;
}

namespace host::api {

/// The depth of open undo steps, taken before the host calls a handler.
int32_t openUndoDepth();
/// Closes the steps a handler left open above `depthBefore` and says so on stderr, naming the module.
void closeStepsLeftOpen(int32_t depthBefore, const loader::LoadedModule* module);

/// Sends UndoMessage (or RedoMessage) to the handlers of the step's creator; false when there is no
/// step to undo (or redo). The host itself restores nothing.
bool undoLastStep();
bool redoLastStep();
/// The menu text: the creator's "STRQ" 20000 texts ("Undo Amplex", "Redo Amplex"), "Undo" or "Redo"
/// when it has none, empty when there is nothing to undo (or redo).
std::string undoMenuText();
std::string redoMenuText();

} // namespace host::api
