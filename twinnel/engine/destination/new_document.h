// New destinations with the source's page set-up: a new project, or a new layout in the source's project.
#pragma once

#include <optional>
#include <string>

#include "twinnel/engine/common/layouts.h"

namespace twinnel {

enum class NewDocumentKind { Project, LayoutInSourceProject };

/// A new one-page project or layout named `name`, with the source's page size, margins, columns,
/// gutter and facing pages; it becomes current. Nothing when the host refuses it.
std::optional<LayoutRef> newDocumentLike(xt::DocumentRef source, NewDocumentKind kind, const std::string& name);

/// Gives a new layout the source's master spreads after its first (which it has already), through the
/// host's page-copy service, so that the pages copied into it keep their masters. False when the host
/// refused a step.
bool copyMasterSpreads(xt::DocumentRef source, xt::DocumentRef destination);

} // namespace twinnel
