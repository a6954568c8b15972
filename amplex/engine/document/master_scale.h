// The master pages of a document being scaled: their items, margins and guides.
#pragma once

namespace amplex {

/// Shows the master pages, scales each master page's items about its spread's corner, its margins
/// and (with "Guides") its guides, and shows the document page that was current again.
void scaleMasterPages();

} // namespace amplex
