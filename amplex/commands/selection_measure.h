// What a scale command measures before it works out its factors: the current document, the
// selection's rectangle and kind, and the factors of size mode.
#pragma once

#include <cstdint>

#include "amplex/commands/page_facts.h"
#include "amplex/engine/common/item_steps.h"

namespace amplex {

/// `CurrentDocumentRef` taken again; the page count of that document.
int16_t takeCurrentDocument();

/// Whether the host's companion service keeps the current document and this box; its boxes are
/// not offered for fitting.
bool companionKeepsBox(int32_t box);

/// Whether the service test applies: the menu command leaves it out.
enum class ServiceTest : uint8_t { Apply, Skip };

/// `SelectionBounds` from the item's rectangle, `NoSelection` cleared, the two box flags set.
void measureSelection(int32_t box, ServiceTest test = ServiceTest::Apply);

/// With nothing selected the first page stands for the selection; the box flags are cleared.
void measurePage(const PageFacts& facts);

/// Size mode: the factors that take the selection to the target width and height (Alt: the width
/// for both axes; Ctrl: the height for both).
void applySizeMode();

/// The page number the item lies on, for the host's refresh after a change.
int32_t pageNumberOf(int32_t box);

} // namespace amplex
