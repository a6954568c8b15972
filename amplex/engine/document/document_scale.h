// Document scaling: every page of the document ("Document") or of a page range ("From page") scales
// with its items, guides and, for the whole document, master pages, style sheets and page size.
#pragma once

namespace amplex {

// The settings' `ScaleWhat` value ScaleDocument has the same name: a file that needs both calls
// this entry through a file of its own that leaves amplex/settings.h out.

/// Scales the run's document as the settings say. The command sets the run state (document, page
/// range, page offset, master-page flag, "Fit to") first and opens the host's undo step around it.
void ScaleDocument();

} // namespace amplex
