// Registration of the text operations: stories, selections, runs and attributes, tabs and anchors;
// the composer's layout questions; XtData holders and blocks.
#pragma once

#include "host/api/registry.h"

namespace host::api {

void registerTextStoryOps(OperationRegistry& registry);
void registerTextAttributeOps(OperationRegistry& registry);
void registerComposerOps(OperationRegistry& registry);
void registerDataBlockOps(OperationRegistry& registry);

} // namespace host::api
